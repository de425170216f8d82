// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/ReportDocument.h"
#include "support/ExpectedReport.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace qvz;

namespace {

// The colours as the user sees them: purple title, teal headings, dark red labels.
const QRgb kPurple = 0xff800080;
const QRgb kTeal = 0xff008080;
const QRgb kDarkRed = 0xff800000;
const QRgb kBlack = 0xff000000;

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
    void isTheReviewedReport();
    void startFollowsTheWorkedExample();
    void composingTwiceGivesTheSameReport();
    void emptyFieldsLeaveLabelAndBreaks();
    void documentShowsEveryRunWithItsFormat();
};

// Every run, its text, bold and colour, as reviewed in tests/data/report.expected.
void TestReportComposer::isTheReviewedReport()
{
    QCOMPARE(describeRuns(composeReport(signProfile())), describeRuns(expectedReport()));
}

// The colours and breaks of the report's start, as the user sees them.
void TestReportComposer::startFollowsTheWorkedExample()
{
    const QList<ReportRun> expected = {
        {"Libra\r\n\r\n", true, kPurple},
        {"Birth Dates: ", false, kDarkRed},
        {"September 21 - October 20\r\n", false, kBlack},
        {"Zodiac Symbol: ", false, kDarkRed},
        {"Scales\r\n", false, kBlack},
        {"Zodiac Element: ", false, kDarkRed},
        {"Air\r\n", false, kBlack},
        {"Zodiac Quality: ", false, kDarkRed},
        {"Cardinal\r\n\r\n", false, kBlack},
        {"Planets Associated\r\n", true, kTeal},
    };
    QCOMPARE(describeRuns(composeReport(signProfile()).mid(0, expected.size())),
             describeRuns(expected));
}

void TestReportComposer::composingTwiceGivesTheSameReport()
{
    const QList<ReportRun> first = composeReport(signProfile());
    QCOMPARE(describeRuns(composeReport(signProfile())), describeRuns(first));
}

void TestReportComposer::emptyFieldsLeaveLabelAndBreaks()
{
    SignProfile profile = signProfile();
    profile.luckyDay.clear();
    profile.luckyMetals.clear();
    profile.generalTraits.clear();
    profile.fatherTraits.clear();
    profile.famousPersonalities.clear();
    const QString text = plainText(composeReport(profile));
    QVERIFY(text.contains("Six, Nine\r\nLucky Day: \r\nLucky Gemstones: "));
    QVERIFY(text.contains("Tourmaline\r\nLucky Metals: \r\n\r\nGeneral Traits\r\n"
                          "\r\n\r\n\r\nPositive Traits\r\n"));
    QVERIFY(text.contains("\r\nLibra As Father: \r\nLibra As Child: "));
    QVERIFY(text.contains("\r\n\r\nFamous Personalities\r\n\r\n\r\n"));

    const QString empty = plainText(composeReport(SignProfile()));
    QVERIFY(empty.startsWith("Libra\r\n\r\nBirth Dates: \r\nZodiac Symbol: \r\n"));
    QVERIFY(empty.contains("Libra As Mother: \r\nLibra As Father: \r\nLibra As Child: \r\n\r\n"));
}

// Every run's text, line breaks as paragraphs, with its bold and colour on every character.
void TestReportComposer::documentShowsEveryRunWithItsFormat()
{
    const QList<ReportRun> runs = expectedReport();
    QTextDocument document;
    QTextCursor cursor(&document);
    insertReportRuns(cursor, runs);
    QString expected = plainText(runs);
    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
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
