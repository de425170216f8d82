#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/ReportView.h"
#include "report/RtfWriter.h"
#include "support/RtfReadBack.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <QtTest>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/resource.h>
#endif

using namespace qvz;

namespace {

SignProfile markedProfile()
{
    SignProfile p;
    QString SignProfile::*fields[] = {&SignProfile::signName,
                                      &SignProfile::birthDates,
                                      &SignProfile::zodiacSymbol,
                                      &SignProfile::zodiacElement,
                                      &SignProfile::zodiacQuality,
                                      &SignProfile::domicilePlanet,
                                      &SignProfile::detrimentPlanet,
                                      &SignProfile::exaltationPlanet,
                                      &SignProfile::birthstone,
                                      &SignProfile::luckyColors,
                                      &SignProfile::luckyNumbers,
                                      &SignProfile::luckyDay,
                                      &SignProfile::luckyGemstones,
                                      &SignProfile::luckyMetals,
                                      &SignProfile::famousPersonalities,
                                      &SignProfile::generalTraits,
                                      &SignProfile::positiveTraits,
                                      &SignProfile::negativeTraits,
                                      &SignProfile::friendshipTraits,
                                      &SignProfile::compatibilityTraits,
                                      &SignProfile::motherTraits,
                                      &SignProfile::fatherTraits,
                                      &SignProfile::childTraits,
                                      &SignProfile::commonProfessions,
                                      &SignProfile::healthConcerns,
                                      &SignProfile::financialHabits,
                                      &SignProfile::fashionStyle,
                                      &SignProfile::travelHabits,
                                      &SignProfile::loveAndRomance};
    int n = 0;
    for (auto field : fields)
        p.*field = QStringLiteral("value %1 {with} \\braces\\").arg(++n);
    p.generalTraits = "First paragraph.\r\n\r\nSecond paragraph.";
    p.famousPersonalities = "One\r\nTwo\r\nThree\r\nFour\r\nFive";
    return p;
}

// The runs as unrtf should report them: CR LF as line ends, neighbours of the same
// format merged.
QList<ReadRun> expectedRuns(const QList<ReportRun>& runs)
{
    QList<ReadRun> out;
    for (const ReportRun& run : runs) {
        ReadRun read{run.text, run.bold, hexColour(run.colour), "Verdana", "10"};
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

void composeInto(QTextEdit& view, const SignProfile& profile)
{
    setReportViewFont(view);
    fillReportView(view, composeReport(profile));
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
    void realReportReadsBackAsItsText();
    void stockTextAndHtmlOutputShowTheReport();
    void paragraphEndsRoundTrip();
    void escapesFollowTheFormat();
    void randomTextRoundTrips();
    void failedSaveReportsAReason();
    void failedWriteLeavesTheOldFile();
    void readOnlyFileIsLeftUntouched();
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
    QTextEdit view;
    composeInto(view, markedProfile());
    const QByteArray rtf = documentToRtf(*view.document());
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
    QTextEdit view;
    composeInto(view, markedProfile());
    const QList<ReadRun> read = m_unrtf.read(documentToRtf(*view.document()));
    QCOMPARE(describeRuns(read), describeRuns(expectedRuns(composeReport(markedProfile()))));

    // The points another reader's user sees, spelled out.
    QCOMPARE(describeRuns(read.mid(0, 2)),
             QStringList({"bold #800080 Verdana 10 \"Libra||\"",
                          "regular #800000 Verdana 10 \"Birth Dates: \""}));
    bool sawFamilyLabel = false;
    for (const ReadRun& run : read) {
        if (run.text.startsWith("Planets Associated") || run.text.startsWith("Love And Romance"))
            QCOMPARE(run.colour + (run.bold ? " bold" : ""), QStringLiteral("#008080 bold"));
        if (run.text.contains("Libra As Mother: ")) {
            sawFamilyLabel = true;
            QCOMPARE(run.colour + (run.bold ? " bold" : ""), QStringLiteral("#000000"));
        }
    }
    QVERIFY(sawFamilyLabel);
}

void TestRtfWriter::realReportReadsBackAsItsText()
{
    fillSignProfile();
    QTextEdit view;
    composeInto(view, signProfile());
    const QList<ReadRun> read = m_unrtf.read(documentToRtf(*view.document()));
    QString expected;
    for (const ReportRun& run : composeReport(signProfile()))
        expected += collapseBlanks(QString(run.text).replace("\r\n", "\n"));
    QCOMPARE(joinedText(read), expected);
}

void TestRtfWriter::stockTextAndHtmlOutputShowTheReport()
{
    QTextEdit view;
    composeInto(view, markedProfile());
    const QByteArray rtf = documentToRtf(*view.document());

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

// Random text of every kind, in random formats, through the writer and back through
// unrtf. Bounded and seeded, so a failure repeats.
void TestRtfWriter::randomTextRoundTrips()
{
    QRandomGenerator random(20240611);
    const QList<QRgb> palette = {qRgb(0, 0, 0), qRgb(128, 0, 128), qRgb(0, 128, 128),
                                 qRgb(12, 34, 56)};
    for (int round = 0; round < 200; ++round) {
        QTextDocument document;
        QTextCursor cursor(&document);
        QString expected;
        const int blocks = random.bounded(1, 4);
        for (int b = 0; b < blocks; ++b) {
            if (b > 0) {
                cursor.insertBlock();
                expected += '\n';
            }
            // Neighbouring segments always differ in bold, so each is a fragment of its
            // own and unrtf collapses blanks only within one.
            const int segments = random.bounded(0, 4);
            bool bold = random.bounded(2) == 1;
            for (int s = 0; s < segments; ++s) {
                QString text;
                const int length = random.bounded(1, 14);
                for (int c = 0; c < length; ++c)
                    text += randomCharacter(random);
                QTextCharFormat format;
                format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
                format.setForeground(QColor(palette.at(random.bounded(int(palette.size())))));
                cursor.insertText(text, format);
                expected += collapseBlanks(text);
                bold = !bold;
            }
        }
        const QByteArray rtf = documentToRtf(document);
        const QString context =
            QStringLiteral("round %1: %2").arg(round).arg(QString::fromLatin1(rtf));
        QVERIFY2(isSevenBit(rtf), qPrintable(context));
        QVERIFY2(bracesBalance(rtf), qPrintable(context));
        const QString read = joinedText(m_unrtf.read(rtf));
        if (read != expected)
            qWarning() << context;
        QCOMPARE(read, expected);
    }
}

void TestRtfWriter::failedSaveReportsAReason()
{
    QTextDocument document("Libra");
    QTemporaryDir dir;
    QVERIFY(dir.isValid());

    const QString missing = dir.filePath("no such folder/report.rtf");
    QVERIFY(!saveRtfFile(document, missing).isEmpty());
    QVERIFY(!QFile::exists(missing));

    QVERIFY(QDir(dir.path()).mkdir("folder"));
    QVERIFY(!saveRtfFile(document, dir.filePath("folder")).isEmpty());
    QVERIFY(QFileInfo(dir.filePath("folder")).isDir());
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

// Also for root, whom the system itself would let replace the file.
void TestRtfWriter::readOnlyFileIsLeftUntouched()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("report.rtf");
    const QByteArray old = "{\\rtf1 read-only}";
    QVERIFY(writeFile(path, old));
    QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadUser));
    QVERIFY(!saveRtfFile(QTextDocument("new"), path).isEmpty());
    QCOMPARE(readAll(path), old);
}

void TestRtfWriter::successfulSaveReplacesTheWholeFile()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath("report.rtf");
    QVERIFY(writeFile(path, QByteArray(300000, 'z')));

    QTextEdit view;
    composeInto(view, markedProfile());
    QCOMPARE(saveRtfFile(*view.document(), path), QString());
    const QByteArray saved = readAll(path);
    QCOMPARE(saved, documentToRtf(*view.document()));
    QVERIFY(!saved.contains('z' + QByteArray(20, 'z')));
    QCOMPARE(joinedText(m_unrtf.read(saved)).left(7), QStringLiteral("Libra\n\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"report.rtf"});

    // A new file is created as well.
    const QString fresh = dir.filePath("fresh.rtf");
    QCOMPARE(saveRtfFile(*view.document(), fresh), QString());
    QCOMPARE(readAll(fresh), saved);
}

QTEST_MAIN(TestRtfWriter)
#include "tst_rtfwriter.moc"
