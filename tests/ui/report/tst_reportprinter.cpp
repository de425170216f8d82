// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/ReportPalette.h"
#include "support/ExternalTool.h"
#include "support/FakePlatform.h"
#include "ui/report/ReportPrinter.h"
#include "ui/report/ReportView.h"
#include "ui/report/modRTB.h"

#include <QImage>
#include <QLocale>
#include <QPrinter>
#include <QProcess>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>

using namespace qvz;

namespace {

// Text as a reader compares it: ligatures spelled out, any run of blanks and line or
// page breaks one space.
QString comparable(const QString& text)
{
    return text.normalized(QString::NormalizationForm_KC).simplified();
}

QString pdfText(const QString& pdf)
{
    return comparable(QString::fromUtf8(runTool("pdftotext", {"-enc", "UTF-8", pdf, "-"})));
}

int pdfPages(const QString& pdf)
{
    const QString info = QString::fromUtf8(runTool("pdfinfo", {pdf}));
    const QRegularExpressionMatch pages = QRegularExpression("Pages:\\s+(\\d+)").match(info);
    return pages.hasMatch() ? pages.captured(1).toInt() : 0;
}

QImage firstPageImage(const QString& pdf, const QString& folder)
{
    const QString prefix = folder + "/page";
    runTool("pdftoppm", {"-r", "150", "-f", "1", "-l", "1", "-singlefile", "-png", pdf, prefix});
    return QImage(prefix + ".png");
}

int pixelsOfColour(const QImage& image, QRgb colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += image.pixel(x, y) == (colour | 0xff000000u);
    return count;
}

std::unique_ptr<QPrinter> pdfPrinter(const QString& path)
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(path);
    return printer;
}

// The report printed to a PDF printer, or saved as a PDF in a locale's paper.
QString printed(QTextEdit& view, const QString& locale, const QString& pdf)
{
    if (locale.isEmpty())
        return printReport(view, *pdfPrinter(pdf)) ? pdf : QString();
    QFile file(pdf);
    const QByteArray bytes = reportPdf(view, QLocale(locale));
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? pdf : QString();
}

void addDevices()
{
    QTest::addColumn<QString>("locale"); // of a PDF file; a printer when empty
    QTest::addColumn<QString>("paper");  // as pdfinfo names it
    QTest::newRow("printer") << QString() << QString();
    QTest::newRow("PDF, en_US") << QString("en_US") << QString("612 x 792 pts (letter)");
    QTest::newRow("PDF, de_DE") << QString("de_DE") << QString("595 x 842 pts (A4)");
    QTest::newRow("PDF, en_GB") << QString("en_GB") << QString("595 x 842 pts (A4)");
}

struct ReportView {
    FakePlatform platform;
    QTextEdit view;

    ReportView()
    {
        wireReportLinks(platform, &view); // as the report window does
        setReportViewFont(view);
        fillReportView(view, composeReport(signProfile()));
    }
};

} // namespace

class TestReportPrinter : public QObject {
    Q_OBJECT

private slots:
    void viewUsesTheReportFont();
    void printsEveryPageOfTheWholeDocument_data() { addDevices(); }
    void printsEveryPageOfTheWholeDocument();
    void printsWithTheViewsFormatting_data() { addDevices(); }
    void printsWithTheViewsFormatting();
};

void TestReportPrinter::viewUsesTheReportFont()
{
    ReportView report;
    QTextEdit& view = report.view;
    QCOMPARE(view.font().family(), QStringLiteral("Verdana"));
    QCOMPARE(view.font().pointSizeF(), 9.75);
    QCOMPARE(view.document()->defaultFont().pointSizeF(), 9.75);
    QVERIFY(!view.font().bold() && !view.font().italic() && !view.font().underline());
    // Pasted text of any script finds a font for every character.
    QVERIFY(!(view.font().styleStrategy() & QFont::NoFontMerging));
    // The runs set no size of their own, so everything shows at the view's size.
    for (QTextBlock block = view.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            QVERIFY(!it.fragment().charFormat().hasProperty(QTextFormat::FontPointSize));
    }
}

void TestReportPrinter::printsEveryPageOfTheWholeDocument()
{
    QFETCH(QString, locale);
    QTemporaryDir folder;
    ReportView report;
    QTextCursor end(report.view.document());
    end.movePosition(QTextCursor::End);
    end.insertText(QStringLiteral("A closing note typed by the reader."));

    const QString pdf = printed(report.view, locale, folder.filePath("report.pdf"));
    QVERIFY(!pdf.isEmpty());

    const QString printed = pdfText(pdf);
    QVERIFY(printed.startsWith("Libra Birth Dates: "));
    QCOMPARE(printed, comparable(report.view.toPlainText()));
    QVERIFY2(pdfPages(pdf) > 1, "the report fills more than one page");
}

void TestReportPrinter::printsWithTheViewsFormatting()
{
    QFETCH(QString, locale);
    QFETCH(QString, paper);
    QTemporaryDir folder;
    ReportView report;
    // Addresses the reader typed, each a link to the address it shows.
    QTextCursor start(report.view.document());
    start.insertText("See www.example.org/libra_(sign) or https://example.org/\u00e9t\u00e9\n");
    const QString pdf = printed(report.view, locale, folder.filePath("report.pdf"));
    QVERIFY(!pdf.isEmpty());
    const QString info = QString::fromUtf8(runTool("pdfinfo", {pdf}));
    QVERIFY2(info.contains(paper), qPrintable(info));
    const QString links = QString::fromUtf8(runTool("pdfinfo", {"-url", pdf}));
    for (const char* address :
         {"http://www.example.org/libra_%28sign%29", "https://example.org/%C3%A9t%C3%A9"})
        QVERIFY2(links.contains(QLatin1String(address) + '\n'), qPrintable(links));

    // The view's font in its regular and bold faces.
    const QString fonts = QString::fromUtf8(runTool("pdffonts", {pdf}));
    const QString family = QFontInfo(report.view.font()).family().remove(' ');
    QVERIFY2(fonts.contains(family + "-Bold") || fonts.contains(family + ",Bold"),
             qPrintable(fonts));
    QVERIFY2(fonts.contains(QRegularExpression(family + "\\s")), qPrintable(fonts));

    // The title, headings and labels keep their colours on paper; the text is black.
    const QImage page = firstPageImage(pdf, folder.path());
    QVERIFY(!page.isNull());
    for (QRgb colour : {reportPalette::kTitle, reportPalette::kHeading, reportPalette::kLabel,
                        reportPalette::kBody})
        QVERIFY(pixelsOfColour(page, colour) > 20);
}

QTEST_MAIN(TestReportPrinter)
#include "tst_reportprinter.moc"
