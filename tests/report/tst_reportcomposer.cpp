// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/ReportDocument.h"
#include "report/ReportPalette.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace qvz;

namespace {

const QRgb kPurple = reportPalette::kTitle;
const QRgb kTeal = reportPalette::kHeading;
const QRgb kDarkRed = reportPalette::kLabel;
const QRgb kBlack = reportPalette::kBody;

const QString CRLF = QStringLiteral("\r\n");

const QStringList kHeadings = {"Planets Associated",   "Lucky Charm",      "General Traits",
                               "Positive Traits",      "Negative Traits",  "Friendship Traits",
                               "Compatibility Traits", "Libra As Family",  "Common Profession",
                               "Health Concern",       "Financial Habits", "Fashion Style",
                               "Travel Habits",        "Love And Romance", "Famous Personalities"};

const QStringList kFactLabels = {
    "Birth Dates: ",     "Zodiac Symbol: ",    "Zodiac Element: ",    "Zodiac Quality: ",
    "Domicile Planet: ", "Detriment Planet: ", "Exaltation Planet: ", "Birth Stone: ",
    "Lucky Colors: ",    "Lucky Numbers: ",    "Lucky Day: ",         "Lucky Gemstones: ",
    "Lucky Metals: "};

// Every field holds its own name, so a value in the wrong place is visible.
SignProfile markedProfile()
{
    SignProfile p;
    p.signName = "Libra";
    p.birthDates = "<birthDates>";
    p.zodiacSymbol = "<zodiacSymbol>";
    p.zodiacElement = "<zodiacElement>";
    p.zodiacQuality = "<zodiacQuality>";
    p.domicilePlanet = "<domicilePlanet>";
    p.detrimentPlanet = "<detrimentPlanet>";
    p.exaltationPlanet = "<exaltationPlanet>";
    p.birthstone = "<birthstone>";
    p.luckyColors = "<luckyColors>";
    p.luckyNumbers = "<luckyNumbers>";
    p.luckyDay = "<luckyDay>";
    p.luckyGemstones = "<luckyGemstones>";
    p.luckyMetals = "<luckyMetals>";
    p.famousPersonalities = "<fp1>\r\n<fp2>\r\n<fp3>\r\n<fp4>\r\n<fp5>";
    p.generalTraits = "<generalTraits>\r\n\r\n<generalTraits 2>";
    p.positiveTraits = "<positiveTraits>";
    p.negativeTraits = "<negativeTraits>";
    p.friendshipTraits = "<friendshipTraits>";
    p.compatibilityTraits = "<compatibilityTraits>";
    p.motherTraits = "<motherTraits>";
    p.fatherTraits = "<fatherTraits>";
    p.childTraits = "<childTraits>";
    p.commonProfessions = "<commonProfessions>";
    p.healthConcerns = "<healthConcerns>";
    p.financialHabits = "<financialHabits>";
    p.fashionStyle = "<fashionStyle>";
    p.travelHabits = "<travelHabits>";
    p.loveAndRomance = "<loveAndRomance>";
    return p;
}

// A readable form of a run, so a failing comparison shows what differs.
QString describe(const ReportRun& run)
{
    QString text = run.text;
    text.replace(CRLF, QStringLiteral("|"));
    return QStringLiteral("%1 #%2 \"%3\"")
        .arg(run.bold ? "bold" : "regular")
        .arg(run.colour & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(text);
}

QStringList describeAll(const QList<ReportRun>& runs)
{
    QStringList out;
    for (const ReportRun& run : runs)
        out << describe(run);
    return out;
}

QString plainText(const QList<ReportRun>& runs)
{
    QString text;
    for (const ReportRun& run : runs)
        text += run.text;
    return text;
}

} // namespace

class TestReportComposer : public QObject {
    Q_OBJECT

private slots:
    void startFollowsTheWorkedExample();
    void restOfTheReportInOrder();
    void onlyTitleHeadingsAndLabelsAreMarked();
    void composingTwiceGivesTheSameReport();
    void emptyFieldsLeaveLabelAndBreaks();
    void documentShowsEveryRunWithItsFormat();
};

void TestReportComposer::startFollowsTheWorkedExample()
{
    const QList<ReportRun> runs = composeReport(markedProfile());
    const QList<ReportRun> expected = {
        {"Libra\r\n\r\n", true, kPurple},
        {"Birth Dates: ", false, kDarkRed},
        {"<birthDates>\r\n", false, kBlack},
        {"Zodiac Symbol: ", false, kDarkRed},
        {"<zodiacSymbol>\r\n", false, kBlack},
        {"Zodiac Element: ", false, kDarkRed},
        {"<zodiacElement>\r\n", false, kBlack},
        {"Zodiac Quality: ", false, kDarkRed},
        {"<zodiacQuality>\r\n\r\n", false, kBlack},
        {"Planets Associated\r\n", true, kTeal},
        {"Domicile Planet: ", false, kDarkRed},
        {"<domicilePlanet>\r\n", false, kBlack},
        {"Detriment Planet: ", false, kDarkRed},
        {"<detrimentPlanet>\r\n", false, kBlack},
        {"Exaltation Planet: ", false, kDarkRed},
        {"<exaltationPlanet>\r\n\r\n", false, kBlack},
        {"Lucky Charm\r\n", true, kTeal},
        {"Birth Stone: ", false, kDarkRed},
        {"<birthstone>\r\n", false, kBlack},
        {"Lucky Colors: ", false, kDarkRed},
        {"<luckyColors>\r\n", false, kBlack},
        {"Lucky Numbers: ", false, kDarkRed},
        {"<luckyNumbers>\r\n", false, kBlack},
        {"Lucky Day: ", false, kDarkRed},
        {"<luckyDay>\r\n", false, kBlack},
        {"Lucky Gemstones: ", false, kDarkRed},
        {"<luckyGemstones>\r\n", false, kBlack},
        {"Lucky Metals: ", false, kDarkRed},
        {"<luckyMetals>\r\n\r\n", false, kBlack},
        {"General Traits\r\n", true, kTeal},
        {"<generalTraits>\r\n\r\n<generalTraits 2>\r\n\r\n\r\n", false, kBlack},
    };
    QVERIFY(runs.size() > expected.size());
    QCOMPARE(describeAll(runs.mid(0, expected.size())), describeAll(expected));
}

// From the first trait section to the end, as plain text ("|" for a line break): every
// value under its own heading, two empty lines after the four trait sections.
void TestReportComposer::restOfTheReportInOrder()
{
    QString text = plainText(composeReport(markedProfile()));
    text.replace(CRLF, QStringLiteral("|"));
    const QString rest =
        "General Traits|<generalTraits>||<generalTraits 2>|||"
        "Positive Traits|<positiveTraits>|||Negative Traits|<negativeTraits>|||"
        "Friendship Traits|<friendshipTraits>|||Compatibility Traits|<compatibilityTraits>||"
        "Libra As Family|Libra As Mother: <motherTraits>|Libra As Father: <fatherTraits>|"
        "Libra As Child: <childTraits>||Common Profession|<commonProfessions>||"
        "Health Concern|<healthConcerns>||Financial Habits|<financialHabits>||"
        "Fashion Style|<fashionStyle>||Travel Habits|<travelHabits>||"
        "Love And Romance|<loveAndRomance>||"
        "Famous Personalities|<fp1>|<fp2>|<fp3>|<fp4>|<fp5>||";
    QVERIFY2(text.endsWith(": <luckyMetals>||" + rest), qPrintable(text));
}

// Bold only for the purple title and the teal headings, dark red only for the fact
// labels; everything else, the family labels and every profile value, is black.
void TestReportComposer::onlyTitleHeadingsAndLabelsAreMarked()
{
    QStringList purple, teal, darkRed;
    for (const ReportRun& run : composeReport(markedProfile())) {
        QCOMPARE_EQ(run.bold, run.colour == kPurple || run.colour == kTeal);
        if (run.colour == kPurple)
            purple << run.text;
        else if (run.colour == kTeal)
            teal << run.text.chopped(2);
        else if (run.colour == kDarkRed)
            darkRed << run.text;
        else
            QCOMPARE_EQ(run.colour, kBlack);
        if (run.text.contains('<'))
            QCOMPARE_EQ(run.colour, kBlack);
    }
    QCOMPARE(purple, QStringList{"Libra\r\n\r\n"});
    QCOMPARE(teal, kHeadings);
    QCOMPARE(darkRed, kFactLabels);
}

void TestReportComposer::composingTwiceGivesTheSameReport()
{
    const QList<ReportRun> first = composeReport(signProfile());
    const QList<ReportRun> second = composeReport(signProfile());
    QCOMPARE(describeAll(second), describeAll(first));
}

void TestReportComposer::emptyFieldsLeaveLabelAndBreaks()
{
    SignProfile profile = markedProfile();
    profile.luckyDay.clear();
    profile.luckyMetals.clear();
    profile.generalTraits.clear();
    profile.fatherTraits.clear();
    profile.famousPersonalities.clear();
    const QString text = plainText(composeReport(profile));
    QVERIFY(text.contains("<luckyNumbers>\r\nLucky Day: \r\nLucky Gemstones: "));
    QVERIFY(text.contains("<luckyGemstones>\r\nLucky Metals: \r\n\r\nGeneral Traits\r\n"
                          "\r\n\r\n\r\nPositive Traits\r\n"));
    QVERIFY(text.contains("\r\nLibra As Father: \r\nLibra As Child: "));
    QVERIFY(text.endsWith("<loveAndRomance>\r\n\r\nFamous Personalities\r\n\r\n\r\n"));

    const QString empty = plainText(composeReport(SignProfile()));
    QVERIFY(empty.startsWith("Libra\r\n\r\nBirth Dates: \r\nZodiac Symbol: \r\n"));
    QVERIFY(empty.contains("Libra As Mother: \r\nLibra As Father: \r\nLibra As Child: \r\n\r\n"));
}

// Every run's text, line breaks as paragraphs, with its bold and colour on every character.
void TestReportComposer::documentShowsEveryRunWithItsFormat()
{
    const QList<ReportRun> runs = composeReport(markedProfile());
    QTextDocument document;
    QTextCursor cursor(&document);
    insertReportRuns(cursor, runs);
    QString expected = plainText(runs);
    expected.replace(CRLF, QStringLiteral("\n"));
    QCOMPARE(document.toPlainText(), expected);

    int position = 0;
    for (const ReportRun& run : runs) {
        const QString text = QString(run.text).remove('\r');
        for (const QChar character : text) {
            QTextCursor at(&document);
            at.setPosition(++position); // the format of the character before the cursor
            if (character == '\n')
                continue;
            const QTextCharFormat format = at.charFormat();
            QVERIFY2((format.fontWeight() >= QFont::Bold) == run.bold, qPrintable(run.text));
            QVERIFY2(format.foreground().color().rgb() == run.colour, qPrintable(run.text));
        }
    }
}

QTEST_MAIN(TestReportComposer)
#include "tst_reportcomposer.moc"
