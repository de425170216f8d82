#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/ReportView.h"

#include <QSet>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace qvz;

namespace {

const QRgb kPurple = qRgb(128, 0, 128);
const QRgb kTeal = qRgb(0, 128, 128);
const QRgb kDarkRed = qRgb(128, 0, 0);
const QRgb kBlack = qRgb(0, 0, 0);

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
    void endsWithHeadingsAndTheFamousPersonalities();
    void familyLinesAreSingleBlackRuns();
    void realProfileTextBeginsAndEndsAsExpected();
    void emptyLinesSeparateTheSections();
    void onlyTitleAndHeadingsAreBold();
    void eachColourOnlyWhereItBelongs();
    void composingTwiceGivesTheSameReport();
    void emptyFieldsLeaveLabelAndBreaks();
    void viewShowsTheRunsAsParagraphs();
    void viewCarriesEachRunsFormat();
    void viewUsesTheReportFont();
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

void TestReportComposer::endsWithHeadingsAndTheFamousPersonalities()
{
    const QList<ReportRun> runs = composeReport(markedProfile());
    const QList<ReportRun> expected = {
        {"Common Profession\r\n", true, kTeal},
        {"<commonProfessions>\r\n\r\n", false, kBlack},
        {"Health Concern\r\n", true, kTeal},
        {"<healthConcerns>\r\n\r\n", false, kBlack},
        {"Financial Habits\r\n", true, kTeal},
        {"<financialHabits>\r\n\r\n", false, kBlack},
        {"Fashion Style\r\n", true, kTeal},
        {"<fashionStyle>\r\n\r\n", false, kBlack},
        {"Travel Habits\r\n", true, kTeal},
        {"<travelHabits>\r\n\r\n", false, kBlack},
        {"Love And Romance\r\n", true, kTeal},
        {"<loveAndRomance>\r\n\r\n", false, kBlack},
        {"Famous Personalities\r\n", true, kTeal},
        {"<fp1>\r\n<fp2>\r\n<fp3>\r\n<fp4>\r\n<fp5>\r\n\r\n", false, kBlack},
    };
    QVERIFY(runs.size() > expected.size());
    QCOMPARE(describeAll(runs.mid(runs.size() - expected.size())), describeAll(expected));
}

void TestReportComposer::familyLinesAreSingleBlackRuns()
{
    const QList<ReportRun> runs = composeReport(markedProfile());
    const QStringList all = describeAll(runs);
    const qsizetype at = all.indexOf(describe({"Libra As Family\r\n", true, kTeal}));
    QVERIFY(at > 0);
    const QList<ReportRun> expected = {
        {"<compatibilityTraits>\r\n\r\n", false, kBlack},
        {"Libra As Family\r\n", true, kTeal},
        {"Libra As Mother: <motherTraits>\r\n", false, kBlack},
        {"Libra As Father: <fatherTraits>\r\n", false, kBlack},
        {"Libra As Child: <childTraits>\r\n\r\n", false, kBlack},
        {"Common Profession\r\n", true, kTeal},
    };
    QCOMPARE(all.mid(at - 1, expected.size()), describeAll(expected));
}

void TestReportComposer::realProfileTextBeginsAndEndsAsExpected()
{
    fillSignProfile();
    const SignProfile& profile = signProfile();
    const QString text = plainText(composeReport(profile));
    QVERIFY(text.startsWith("Libra\r\n\r\nBirth Dates: " + profile.birthDates + CRLF));
    const QString lastFamous = profile.famousPersonalities.split(CRLF).last();
    QVERIFY(text.endsWith(CRLF + lastFamous + "\r\n\r\n"));
    QVERIFY(!text.endsWith("\r\n\r\n\r\n"));
}

// The number of empty lines in front of every heading, read off the plain text.
void TestReportComposer::emptyLinesSeparateTheSections()
{
    const QStringList lines = plainText(composeReport(markedProfile())).split(CRLF);
    const QSet<QString> afterTraitSection = {"Positive Traits", "Negative Traits",
                                             "Friendship Traits", "Compatibility Traits"};
    for (const QString& heading : kHeadings) {
        const qsizetype at = lines.indexOf(heading);
        QVERIFY2(at > 0, qPrintable(heading));
        int empty = 0;
        while (lines.at(at - 1 - empty).isEmpty())
            ++empty;
        QCOMPARE_EQ(empty, afterTraitSection.contains(heading) ? 2 : 1);
    }
    // The title is followed by one empty line, and the fact group starts at once.
    QCOMPARE(lines.mid(0, 3), QStringList({"Libra", "", "Birth Dates: <birthDates>"}));
    QVERIFY(lines.join(CRLF).contains("<friendshipTraits>\r\n\r\n\r\nCompatibility Traits"));
    QVERIFY(lines.join(CRLF).contains("<compatibilityTraits>\r\n\r\nLibra As Family"));
}

void TestReportComposer::onlyTitleAndHeadingsAreBold()
{
    QStringList bold;
    for (const ReportRun& run : composeReport(markedProfile())) {
        if (run.bold)
            bold << run.text;
    }
    QStringList expected = {"Libra\r\n\r\n"};
    for (const QString& heading : kHeadings)
        expected << heading + CRLF;
    QCOMPARE(bold, expected);
}

void TestReportComposer::eachColourOnlyWhereItBelongs()
{
    const QList<ReportRun> runs = composeReport(markedProfile());
    QSet<QRgb> colours;
    QStringList purple, teal, darkRed;
    for (const ReportRun& run : runs) {
        colours.insert(run.colour);
        if (run.colour == kPurple)
            purple << run.text;
        else if (run.colour == kTeal)
            teal << run.text.chopped(2);
        else if (run.colour == kDarkRed)
            darkRed << run.text;
        else
            QCOMPARE_EQ(run.colour, kBlack);
    }
    QCOMPARE(colours, QSet<QRgb>({kPurple, kTeal, kDarkRed, kBlack}));
    QCOMPARE(purple, QStringList{"Libra\r\n\r\n"});
    QCOMPARE(teal, kHeadings);
    QCOMPARE(darkRed, kFactLabels);
    // Every profile value is black, whatever run it shares.
    for (const ReportRun& run : runs) {
        if (run.text.contains('<'))
            QCOMPARE_EQ(run.colour, kBlack);
    }
}

void TestReportComposer::composingTwiceGivesTheSameReport()
{
    fillSignProfile();
    const QList<ReportRun> first = composeReport(signProfile());
    const QList<ReportRun> second = composeReport(signProfile());
    QCOMPARE(describeAll(second), describeAll(first));

    // Each opening of the report window has a fresh view; the second must not
    // contain the first.
    QTextEdit firstView, secondView;
    fillReportView(firstView, first);
    fillReportView(secondView, second);
    QCOMPARE(secondView.toPlainText(), firstView.toPlainText());
    QCOMPARE(secondView.toPlainText().count("Famous Personalities"), 1);
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

void TestReportComposer::viewShowsTheRunsAsParagraphs()
{
    const QList<ReportRun> runs = composeReport(markedProfile());
    QTextEdit view;
    fillReportView(view, runs);
    QString expected = plainText(runs);
    expected.replace(CRLF, QStringLiteral("\n"));
    QCOMPARE(view.toPlainText(), expected);
    QCOMPARE(view.document()->blockCount(), plainText(runs).count(CRLF) + 1);
    QVERIFY(!view.toPlainText().contains('\r'));
}

void TestReportComposer::viewCarriesEachRunsFormat()
{
    QTextEdit view;
    fillReportView(view, composeReport(markedProfile()));
    QTextDocument* document = view.document();
    struct Sample {
        QString text;
        bool bold;
        QRgb colour;
    };
    const QList<Sample> samples = {
        {"Libra", true, kPurple},
        {"Birth Dates: ", false, kDarkRed},
        {"<birthDates>", false, kBlack},
        {"Planets Associated", true, kTeal},
        {"Lucky Metals: ", false, kDarkRed},
        {"<generalTraits 2>", false, kBlack},
        {"Libra As Mother: ", false, kBlack},
        {"<childTraits>", false, kBlack},
        {"Famous Personalities", true, kTeal},
        {"<fp5>", false, kBlack},
    };
    for (const Sample& sample : samples) {
        const QTextCursor found = document->find(sample.text);
        QVERIFY2(!found.isNull(), qPrintable(sample.text));
        // Check every character of the sample, not just one.
        for (int pos = found.selectionStart(); pos < found.selectionEnd(); ++pos) {
            QTextCursor at(document);
            at.setPosition(pos + 1);
            const QTextCharFormat format = at.charFormat();
            QCOMPARE_EQ(format.fontWeight() >= QFont::Bold, sample.bold);
            QCOMPARE_EQ(format.foreground().color().rgb(), sample.colour);
        }
    }
}

void TestReportComposer::viewUsesTheReportFont()
{
    QTextEdit view;
    setReportViewFont(view);
    fillReportView(view, composeReport(markedProfile()));
    QCOMPARE(view.font().family(), QStringLiteral("Verdana"));
    QCOMPARE(view.font().pointSizeF(), 9.75);
    QCOMPARE(view.document()->defaultFont().pointSizeF(), 9.75);
    QVERIFY(!view.font().bold() && !view.font().italic() && !view.font().underline());
    // The runs set no size of their own, so everything shows at the view's size.
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            QVERIFY(!it.fragment().charFormat().hasProperty(QTextFormat::FontPointSize));
    }
}

QTEST_MAIN(TestReportComposer)
#include "tst_reportcomposer.moc"
