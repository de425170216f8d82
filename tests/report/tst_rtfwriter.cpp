// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "platform/SaveTarget.h"
#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/ReportDocument.h"
#include "report/RtfWriter.h"
#include "support/RtfReadBack.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <QProcess>
#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/xattr.h>
#include <unistd.h>
#endif

using namespace qvz;

namespace {

// The real report, with characters RTF must escape in a fact and in the prose.
SignProfile markedProfile()
{
    SignProfile p = signProfile();
    p.birthDates += QStringLiteral(" {with} \\braces\\");
    p.loveAndRomance += QStringLiteral(" {with} \\braces\\");
    return p;
}

// The runs as unrtf should report them: CR LF as line ends, neighbours of the same
// format merged.
QList<ReadRun> expectedRuns(const QList<ReportRun>& runs)
{
    QList<ReadRun> out;
    for (const ReportRun& run : runs) {
        ReadRun read{collapseBlanks(run.text), run.bold, hexColour(run.colour), "Verdana", "10"};
        read.text.replace("\r\n", "\n");
        appendRun(out, read);
    }
    return out;
}

// The colours named in the colour table, in order.
QStringList colourTable(const QByteArray& rtf)
{
    static const QRegularExpression table(R"(\{\\colortbl\s*;([^}]*)\})");
    static const QRegularExpression entry(R"(\\red(\d+)\\green(\d+)\\blue(\d+);)");
    QStringList colours;
    const QRegularExpressionMatch found = table.match(QString::fromLatin1(rtf));
    auto it = entry.globalMatch(found.captured(1));
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        colours << hexColour(
            qRgb(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt()));
    }
    return colours;
}

// The report as its window's view holds it, in Verdana 9.75 pt.
void composeInto(QTextDocument& document, const SignProfile& profile)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(9.75);
    document.setDefaultFont(font);
    QTextCursor cursor(&document);
    insertReportRuns(cursor, composeReport(profile));
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>");
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace

class TestRtfWriter : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void headerNamesVerdanaAndTheUsedColours();
    void reportReadsBackWithItsFormatting();
    void stockTextAndHtmlOutputShowTheReport();
    void paragraphEndsRoundTrip();
    void escapesFollowTheFormat();
    void refusedTargetsAreLeftAlone();
    void anotherUsersFilesAreRefused();
    void failedWriteLeavesTheOldFile();
    void successfulSaveReplacesTheWholeFile();

private:
    Unrtf m_unrtf;
};

void TestRtfWriter::initTestCase()
{
    QVERIFY(m_unrtf.isValid());
    QVERIFY2(!QStandardPaths::findExecutable("unrtf").isEmpty(), "unrtf is needed");
}

void TestRtfWriter::headerNamesVerdanaAndTheUsedColours()
{
    QTextDocument document;
    composeInto(document, markedProfile());
    const QByteArray rtf = documentToRtf(document);
    QVERIFY(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252\\deff0"));
    QVERIFY(rtf.contains("\\uc1"));
    QVERIFY(QRegularExpression(R"(\{\\fonttbl\{\\f0\\fswiss[^;}]* Verdana;\}\})")
                .match(QString::fromLatin1(rtf))
                .hasMatch());
    QStringList colours = colourTable(rtf);
    colours.sort();
    QCOMPARE(colours, QStringList({"#000000", "#008080", "#800000", "#800080"}));
    QVERIFY(rtf.contains("\\fs20"));
    QVERIFY(bracesBalance(rtf));
    QVERIFY(isSevenBit(rtf));

    // A document without any colour still has a colour table naming black.
    QTextDocument plain("plain");
    QCOMPARE(colourTable(documentToRtf(plain)), QStringList{"#000000"});
}

void TestRtfWriter::reportReadsBackWithItsFormatting()
{
    QTextDocument document;
    composeInto(document, markedProfile());
    const QList<ReadRun> read = m_unrtf.read(documentToRtf(document));
    QCOMPARE(describeRuns(read), describeRuns(expectedRuns(composeReport(markedProfile()))));
    QCOMPARE(describeRuns(read.mid(0, 2)),
             QStringList({"bold #800080 Verdana 10 \"Libra||\"",
                          "regular #800000 Verdana 10 \"Birth Dates: \""}));
}

void TestRtfWriter::stockTextAndHtmlOutputShowTheReport()
{
    QTextDocument document;
    composeInto(document, markedProfile());
    const QByteArray rtf = documentToRtf(document);

    const QByteArray text = m_unrtf.run({"--text"}, rtf);
    const qsizetype body = text.indexOf("-----------------\n");
    QVERIFY2(body >= 0, text.constData());
    QString expected;
    for (const ReportRun& run : composeReport(markedProfile()))
        expected += run.text;
    expected.replace("\r\n", "\n");
    QCOMPARE(QString::fromLatin1(text.mid(body + 18)), expected);

    const QString html = QString::fromUtf8(m_unrtf.run({"--html"}, rtf));
    QVERIFY2(html.contains(QRegularExpression("<b><font color=\"#800080\">Libra<br>")),
             qPrintable(html.left(800)));
    QVERIFY(html.contains(QRegularExpression("<b><font color=\"#008080\">Lucky Charm<br>")));
    QVERIFY(html.contains("<font color=\"#800000\">Birth Dates: </font>"));
}

// Blocks are separated by paragraph ends: an empty last block is a trailing break,
// and empty blocks in between are empty lines.
void TestRtfWriter::paragraphEndsRoundTrip()
{
    const QStringList cases = {"", "one", "one\n", "\n", "\n\n", "a\n\nb", "\nlead", "x\n\n\n"};
    for (const QString& text : cases) {
        QTextDocument document;
        QTextCursor cursor(&document);
        const QStringList blocks = text.split('\n');
        for (qsizetype i = 0; i < blocks.size(); ++i) {
            if (i > 0)
                cursor.insertBlock();
            cursor.insertText(blocks.at(i));
        }
        QCOMPARE(document.blockCount(), blocks.size());
        QCOMPARE(joinedText(m_unrtf.read(documentToRtf(document))), text);
    }
}

void TestRtfWriter::escapesFollowTheFormat()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(QString::fromUtf8("\xc3\xa9\xf0\x9f\x98\x80 \xe2\x82\xac") + QChar(0x1) +
                      "\t" + "{x}\\" + QChar(0x7fff) + QChar(0x8000));
    const QByteArray rtf = documentToRtf(document);
    // \u takes a signed 16-bit number: code units above 32767 are negative, and a
    // character outside the basic plane is its two surrogates.
    QVERIFY2(rtf.contains("\\u233?"), rtf.constData());
    QVERIFY(rtf.contains("\\u-10179?\\u-8704?"));
    QVERIFY(rtf.contains("\\u8364?"));
    QVERIFY(rtf.contains("\\u1?"));
    QVERIFY(rtf.contains("\\tab"));
    QVERIFY(rtf.contains("\\{x\\}\\\\"));
    QVERIFY(rtf.contains("\\u32767?"));
    QVERIFY(rtf.contains("\\u-32768?"));
    QVERIFY(!rtf.contains("\\u55357"));
    QVERIFY(isSevenBit(rtf));
    QCOMPARE(joinedText(m_unrtf.read(rtf)), document.toPlainText());
}

// What the save dialog refuses, the writer refuses as well, and leaves as it was: a
// folder of the chosen name stays empty, a read-only file keeps its text.
void TestRtfWriter::refusedTargetsAreLeftAlone()
{
    QTextDocument document("Libra");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(writeFile(dir.filePath("old.rtf"), "{\\rtf1 old}"));
    QVERIFY(QFile::setPermissions(dir.filePath("old.rtf"), QFile::ReadOwner | QFile::ReadOther));
    QVERIFY(writeFile(dir.filePath("plain.rtf"), "{\\rtf1 plain}"));
    QVERIFY(QDir(dir.path()).mkdir("locked"));
    QVERIFY(QFile::setPermissions(dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner));

    const QList<QPair<QString, QString>> cases = {
        {dir.filePath("new.rtf"), ""},
        {dir.filePath("plain.rtf"), ""},
        {dir.filePath("no such folder/new.rtf"), "folder does not exist"},
        {dir.filePath("plain.rtf/new.rtf"), "folder does not exist"},
        {dir.filePath("old.rtf"), "read-only"},
        {dir.filePath("locked/new.rtf"), "write-protected"},
        {dir.filePath("folder"), "not an ordinary file"},
        {"/dev/null", "not an ordinary file"},
        {dir.filePath("new") + QChar(0) + "b.rtf", "character U+0000"}, // not "new"
    };
    for (const auto& [path, expected] : cases) {
        const QString reason = saveTargetRefusal(path);
        QVERIFY2(expected.isEmpty() ? reason.isEmpty() : reason.contains(expected),
                 qPrintable(path + ": " + reason));
        if (!reason.isEmpty())
            QCOMPARE(saveRtfFile(document, path), reason);
    }
    QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
    QVERIFY(QDir(dir.filePath("folder")).isEmpty());
    QCOMPARE(readAll(dir.filePath("old.rtf")), QByteArray("{\\rtf1 old}"));
    QVERIFY(!QFileInfo::exists(dir.filePath("no such folder")));
    QVERIFY(QDir(dir.filePath("locked")).isEmpty());
    QVERIFY(!QFileInfo::exists(dir.filePath("new")));

    // Windows' rules, applied there: quotes are not a name's, the colon of a drive is.
    for (const auto& [path, expected] : QList<QPair<QString, QString>>{
             {"C:/Reports/it's \"mine\" x.rtf", "character \" (U+0022)."},
             {"C:/Re|ports/libra.rtf", "character | (U+007C)."},
             {"C:/Reports/a\tb.rtf", "character U+0009."},
             {"C:/Reports/it's mine.rtf", ""}}) {
        const QString reason = forbiddenCharacterRefusal(path, NameRules::Windows);
        QVERIFY2(expected.isEmpty() ? reason.isEmpty() : reason.endsWith(expected),
                 qPrintable(path + ": " + reason));
    }
}

// A file or folder that only its owner, another user, may write: its owner's write bits
// are set, and still this user may not replace it. Root may write anything, so as root
// the test prepares them and runs itself again as an ordinary user (nobody).
void TestRtfWriter::anotherUsersFilesAreRefused()
{
#ifdef Q_OS_UNIX
    const QString prepared = qEnvironmentVariable("QVZ_OTHER_USERS_FILES");
    if (!prepared.isEmpty()) {
        QTextDocument document("Libra");
        for (const auto& [name, reason] : {std::pair{"/theirs.rtf", "read-only"},
                                           std::pair{"/theirs/new.rtf", "write-protected"}}) {
            const QString path = prepared + name;
            QVERIFY2(saveTargetRefusal(path).contains(reason), qPrintable(path));
            QCOMPARE(saveRtfFile(document, path), saveTargetRefusal(path));
        }
        return;
    }
    if (geteuid() != 0)
        QSKIP("needs root, to make files of another user");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QVERIFY(::chmod(QFile::encodeName(dir.path()), 0777) == 0); // anybody may add and replace
    QVERIFY(writeFile(dir.filePath("theirs.rtf"), "{\\rtf1 theirs}"));
    QVERIFY(QDir(dir.path()).mkdir("theirs"));

    // A copy of this program, since the build folder may lie where nobody may not go.
    const QString program = dir.filePath("tst_rtfwriter");
    QVERIFY(QFile::copy(QCoreApplication::applicationFilePath(), program));
    QVERIFY(::chmod(QFile::encodeName(program), 0777) == 0);

    QProcess asNobody;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QVZ_OTHER_USERS_FILES", dir.path());
    // Leaks are the root run's to find: the suppressions may lie where nobody may not go.
    environment.remove("LSAN_OPTIONS");
    environment.insert("ASAN_OPTIONS", environment.value("ASAN_OPTIONS") + ":detect_leaks=0");
    asNobody.setProcessEnvironment(environment);
    asNobody.setProcessChannelMode(QProcess::MergedChannels);
    asNobody.start("setpriv", {"--reuid=nobody", "--regid=nogroup", "--clear-groups", program,
                               "anotherUsersFilesAreRefused"});
    QVERIFY2(asNobody.waitForFinished(60000), "setpriv is needed");
    const QByteArray output = asNobody.readAll();
    QVERIFY2(asNobody.exitStatus() == QProcess::NormalExit && asNobody.exitCode() == 0,
             output.constData());
    QVERIFY2(output.contains("PASS   : TestRtfWriter::anotherUsersFilesAreRefused()"),
             output.constData());
    QCOMPARE(readAll(dir.filePath("theirs.rtf")), QByteArray("{\\rtf1 theirs}"));
    QVERIFY(QDir(dir.filePath("theirs")).isEmpty());
#else
    QSKIP("needs Unix users");
#endif
}

// A write that fails half-way (here: the file size limit, as on a full disk) must not
// touch the file being replaced and must not leave a temporary file behind.
void TestRtfWriter::failedWriteLeavesTheOldFile()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("report.rtf");
    const QByteArray old = "{\\rtf1 the report saved last time}";
    QVERIFY(writeFile(path, old));

    QTextDocument document(QString(200000, QChar('x')));
    rlimit before{};
    QVERIFY(getrlimit(RLIMIT_FSIZE, &before) == 0);
    rlimit small = before;
    small.rlim_cur = 16384;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    QVERIFY(setrlimit(RLIMIT_FSIZE, &small) == 0);
    const QString reason = saveRtfFile(document, path);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);

    QVERIFY(!reason.isEmpty());
    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.rtf"});
#else
    QSKIP("needs a file size limit");
#endif
}

void TestRtfWriter::successfulSaveReplacesTheWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("report.rtf");
    QVERIFY(writeFile(path, QByteArray(300000, 'z')));

    QTextDocument document;
    composeInto(document, markedProfile());
    QCOMPARE(saveRtfFile(document, path), QString());
    const QByteArray saved = readAll(path);
    QCOMPARE(saved, documentToRtf(document));
    QVERIFY(!saved.contains('z' + QByteArray(20, 'z')));
    QCOMPARE(joinedText(m_unrtf.read(saved)).left(7), QStringLiteral("Libra\n\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.rtf"});

    // A new file is created as well.
    const QString fresh = dir.filePath("fresh.rtf");
    QCOMPARE(saveRtfFile(document, fresh), QString());
    QCOMPARE(readAll(fresh), saved);

#ifdef Q_OS_UNIX
    // Saved over through a link: a file of a group's that the user is in (as root, any),
    // with an attribute of the user's. The link stays, the file keeps what it had.
    const QByteArray file = QFile::encodeName(path);
    QVERIFY(QFile::link(path, dir.filePath("link.rtf")));
    gid_t groups[64] = {};
    const int count = getgroups(64, groups);
    const gid_t group = geteuid() == 0 ? 100 : count > 0 ? groups[count - 1] : getegid();
    QVERIFY(::chown(file.constData(), uid_t(-1), group) == 0 &&
            ::chmod(file.constData(), 0660) == 0);
    const bool attributes = ::setxattr(file.constData(), "user.qvz", "kept", 4, 0) == 0;
    QVERIFY(attributes || errno == ENOTSUP);
    QCOMPARE(saveRtfFile(document, dir.filePath("link.rtf")), QString());
    QVERIFY(QFileInfo(dir.filePath("link.rtf")).isSymLink());
    struct stat status {};
    QVERIFY(::stat(file.constData(), &status) == 0);
    QCOMPARE(status.st_mode & 07777, mode_t(0660));
    QCOMPARE(status.st_gid, group);
    char value[8] = {};
    if (!attributes)
        QSKIP("the file system keeps no attributes of the user's");
    QCOMPARE(::getxattr(file.constData(), "user.qvz", value, sizeof value), ssize_t(4));
    QCOMPARE(QByteArray(value), QByteArray("kept"));
#endif
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
