// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "links/LinkTarget.h"
#include "links/modTellAFriend.h"
#include "report/ReportPalette.h"
#include "report/RtfWriter.h"
#include "support/ReferralReadBack.h"
#include "support/RtfReadBack.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace qvz;

// Seeded random round trips, bounded in time. Every run draws a new seed and prints it;
// QVZ_FUZZ_SEED replays one (a failing round prints the seed that makes it the first
// round), QVZ_FUZZ_SECONDS lets a run go longer.
namespace {

quint32 fuzzSeed()
{
    bool ok = false;
    const quint32 fixed = qEnvironmentVariable("QVZ_FUZZ_SEED").toUInt(&ok);
    return ok ? fixed : QRandomGenerator::system()->generate();
}

qint64 budgetMilliseconds(int defaultSeconds)
{
    bool ok = false;
    const int seconds = qEnvironmentVariableIntValue("QVZ_FUZZ_SECONDS", &ok);
    return 1000 * qint64(ok && seconds > 0 ? seconds : defaultSeconds);
}

QString replayHint(quint32 seed, int round)
{
    return QStringLiteral("round %1, replay with QVZ_FUZZ_SEED=%2").arg(round).arg(seed + round);
}

// The format of a piece of text as the writer sees it: no foreground is black, no size
// is the document's size.
struct PieceFormat {
    bool bold = false;
    QRgb colour = qRgb(0, 0, 0);
    int points = 0;

    bool operator==(const PieceFormat& other) const
    {
        return bold == other.bold && colour == other.colour && points == other.points;
    }
};

// A random character format, and in effective the one the writer should write for it.
QTextCharFormat randomFormat(QRandomGenerator& random, int defaultPoints, PieceFormat& effective)
{
    static const QList<QRgb> palette = {reportPalette::kBody, reportPalette::kTitle,
                                        reportPalette::kHeading, reportPalette::kLabel,
                                        qRgb(255, 255, 255)};
    QTextCharFormat format;
    effective = PieceFormat();
    switch (random.bounded(3)) {
    case 0:
        break; // not bold by default
    case 1:
        format.setFontWeight(QFont::Normal);
        break;
    default:
        format.setFontWeight(QFont::Bold);
        effective.bold = true;
    }
    switch (random.bounded(3)) {
    case 0:
        break; // no foreground: black
    case 1:
        effective.colour = palette.at(random.bounded(int(palette.size())));
        format.setForeground(QColor(effective.colour));
        break;
    default:
        effective.colour = qRgb(random.bounded(256), random.bounded(256), random.bounded(256));
        format.setForeground(QColor(effective.colour));
    }
    effective.points = defaultPoints;
    if (random.bounded(3) == 0) {
        effective.points = random.bounded(1, 73);
        format.setFontPointSize(effective.points);
    }
    return format;
}

QString randomText(QRandomGenerator& random)
{
    QString text;
    const int length = random.bounded(1, 24);
    for (int i = 0; i < length; ++i)
        text += randomCharacter(random);
    return text;
}

// The runs without their line breaks: what is left must keep its format.
QList<ReadRun> withoutBreaks(const QList<ReadRun>& runs)
{
    QList<ReadRun> out;
    for (ReadRun run : runs) {
        run.text.remove('\n');
        if (!run.text.isEmpty())
            appendRun(out, run);
    }
    return out;
}

// A document of many paragraphs of random pieces, with the text and the runs unrtf
// should read back from its RTF.
struct RandomDocument {
    QTextDocument document;
    QString expectedText;
    QList<ReadRun> expectedRuns; // line breaks left out
};

void fillRandomDocument(QRandomGenerator& random, RandomDocument& out)
{
    const int defaultPoints = random.bounded(6, 19);
    out.document.setDefaultFont(QFont(QStringLiteral("Verdana"), defaultPoints));
    QTextCursor cursor(&out.document);
    const int blocks = random.bounded(1, 60);
    for (int b = 0; b < blocks; ++b) {
        if (b > 0) {
            cursor.insertBlock();
            out.expectedText += '\n';
        }
        // Neighbours within a paragraph differ in what the writer writes, so each piece
        // is one stretch of text to unrtf and its blanks collapse on their own.
        PieceFormat previous;
        bool first = true;
        const int pieces = random.bounded(0, 6);
        for (int p = 0; p < pieces; ++p) {
            PieceFormat effective;
            QTextCharFormat format;
            do
                format = randomFormat(random, defaultPoints, effective);
            while (!first && effective == previous);
            first = false;
            previous = effective;

            const QString text = randomText(random);
            cursor.insertText(text, format);
            const QString read = collapseBlanks(text);
            out.expectedText += read;
            appendRun(out.expectedRuns,
                      {read, effective.bold, hexColour(effective.colour), QStringLiteral("Verdana"),
                       QString::number(effective.points)});
        }
    }
}

// Values full of what a query string treats specially, mixed with arbitrary Unicode.
QString randomReferralField(QRandomGenerator& random)
{
    static const QStringList tricky = {
        "&", "=",  "#",  "+", "%", "%25", "%2B", "%zz",     "?",     "/",  " ",  "\r\n",     ";",
        "'", "\"", "\\", "[", "]", "@",   ":",   "&taf1=x", "page=", "&&", "==", "\xc3\xa9", "\t"};
    QString value;
    const int pieces = random.bounded(0, 5);
    for (int i = 0; i < pieces; ++i) {
        if (random.bounded(2) == 0)
            value += tricky.at(random.bounded(int(tricky.size())));
        else
            value += randomReferralValue(random);
    }
    return value;
}

bool isPlainAddress(const QString& address)
{
    for (QChar character : address) {
        if (character.unicode() <= 0x20 || character.unicode() >= 0x7f)
            return false;
    }
    return true;
}

} // namespace

class TestFuzzRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void randomDocumentsReadBackWithTheirFormatting();
    void randomReferralValuesReadBackExactly();

private:
    Unrtf m_unrtf;
    quint32 m_seed = 0;
};

void TestFuzzRoundTrip::initTestCase()
{
    QVERIFY(m_unrtf.isValid());
    QVERIFY2(!QStandardPaths::findExecutable("unrtf").isEmpty(), "unrtf is needed");
    m_seed = fuzzSeed();
    qInfo("fuzz seed %u (replay with QVZ_FUZZ_SEED=%u)", m_seed, m_seed);
}

void TestFuzzRoundTrip::randomDocumentsReadBackWithTheirFormatting()
{
    const qint64 budget = budgetMilliseconds(3);
    QElapsedTimer timer;
    timer.start();
    int round = 0;
    for (; round < 2000 && timer.elapsed() < budget; ++round) {
        QRandomGenerator random(m_seed + quint32(round));
        RandomDocument sample;
        fillRandomDocument(random, sample);
        const QByteArray rtf = documentToRtf(sample.document);
        const QString context = replayHint(m_seed, round);
        QVERIFY2(isSevenBit(rtf), qPrintable(context));
        QVERIFY2(bracesBalance(rtf), qPrintable(context));

        const QList<ReadRun> read = m_unrtf.read(rtf);
        if (joinedText(read) != sample.expectedText ||
            describeRuns(withoutBreaks(read)) != describeRuns(sample.expectedRuns)) {
            qWarning("%s\n%s", qPrintable(context), rtf.constData());
            QCOMPARE(joinedText(read), sample.expectedText);
            QCOMPARE(describeRuns(withoutBreaks(read)), describeRuns(sample.expectedRuns));
        }
    }
    QVERIFY2(round > 0, "no document was tried");
    qInfo("%d documents", round);
}

void TestFuzzRoundTrip::randomReferralValuesReadBackExactly()
{
    const QString prefix = QStringLiteral("http://") + siteHost() + QStringLiteral("/");
    const QStringList names = QStringList{QStringLiteral("page")} + referralValueNames();
    const qint64 budget = budgetMilliseconds(1);
    QElapsedTimer timer;
    timer.start();
    int round = 0;
    for (; round < 50000 && timer.elapsed() < budget; ++round) {
        QRandomGenerator random(m_seed + quint32(round));
        ReferralRequest request;
        request.senderName = randomReferralField(random);
        request.senderEmail = randomReferralField(random);
        request.message = randomReferralField(random);
        request.friendName = randomReferralField(random);
        request.friendEmail = randomReferralField(random);
        const QString address = referralAddress(request);

        const QString context = replayHint(m_seed, round) + QStringLiteral(": ") + address;
        QVERIFY2(address.startsWith(prefix), qPrintable(context));
        QVERIFY2(isPlainAddress(address), qPrintable(context));
        if (queryItemNames(address) != names ||
            decodedReferralValues(address) != referralValues(request)) {
            qWarning("%s", qPrintable(context));
            QCOMPARE(queryItemNames(address), names);
            QCOMPARE(decodedReferralValues(address), referralValues(request));
        }
    }
    QVERIFY2(round > 0, "no address was tried");
    qInfo("%d addresses", round);
}

QTEST_MAIN(TestFuzzRoundTrip)
#include "tst_fuzz_roundtrip.moc"
