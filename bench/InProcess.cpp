// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "InProcess.h"

#include "BenchModes.h"
#include "QuietPlatform.h"
#include "profile/SignProfile.h"
#include "report/RtfWriter.h"
#include "ui/common/Fonts.h"
#include "ui/report/ReportPrinter.h"
#include "ui/report/frmSave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <cstdio>
#include <functional>
#include <memory>

namespace qvz::bench {

namespace {

constexpr int kWarmUps = 10;

// Milliseconds of each timed call; prepare runs before each one, untimed.
Summary timeRepeatedly(int repetitions, const std::function<void()>& prepare,
                       const std::function<void()>& step)
{
    QList<double> times;
    for (int run = -kWarmUps; run < repetitions; ++run) {
        prepare();
        QElapsedTimer timer;
        timer.start();
        step();
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        if (run >= 0)
            times << ms;
    }
    return summarize(times);
}

Summary timeOpeningReport(Platform& platform, int repetitions)
{
    std::unique_ptr<frmSave> window;
    return timeRepeatedly(
        repetitions, [&] { window.reset(); },
        [&] { window = std::make_unique<frmSave>(platform); });
}

Summary timeWritingRtf(const QTextEdit& view, int repetitions)
{
    qsizetype written = 0;
    const Summary summary = timeRepeatedly(
        repetitions, [] {}, [&] { written += documentToRtf(*view.document()).size(); });
    if (written == 0)
        std::fprintf(stderr, "qvz-bench: the report wrote no RTF\n");
    return summary;
}

Summary timePrinting(QTextEdit& view, int repetitions)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    std::unique_ptr<QPrinter> printer;
    bool printed = true;
    const Summary summary = timeRepeatedly(
        repetitions,
        [&] {
            printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(path);
        },
        [&] { printed = printReport(view, *printer) && printed; });
    if (!printed)
        std::fprintf(stderr, "qvz-bench: printing to PDF failed\n");
    return summary;
}

} // namespace

InProcessTimes measureInProcess(int repetitions)
{
    // The main window fills the profile before any report can be opened.
    fillSignProfile();
    QuietPlatform platform;
    InProcessTimes times;
    times.repetitions = repetitions;
    times.openReportMs = timeOpeningReport(platform, repetitions);

    frmSave report(platform);
    auto* view = report.findChild<QTextEdit*>(QStringLiteral("RTB"));
    if (!view)
        return times;
    times.reportCharacters = view->document()->characterCount();
    times.writeRtfMs = timeWritingRtf(*view, repetitions);
    // Printing is slower by far; a quarter of the runs gives a steady median.
    times.printRepetitions = qMax(1, repetitions / 4);
    times.printPdfMs = timePrinting(*view, times.printRepetitions);
    times.peakRssKib = peakRssKib();
    return times;
}

void printInProcess(const InProcessTimes& times)
{
    std::printf("In one process, ms: median [min .. max] over %d runs (printing %d)\n",
                times.repetitions, times.printRepetitions);
    std::printf("  open the report window  %s\n", qPrintable(describe(times.openReportMs)));
    std::printf("  write the report as RTF %s\n", qPrintable(describe(times.writeRtfMs)));
    std::printf("  print it to PDF         %s\n", qPrintable(describe(times.printPdfMs)));
    std::printf("  report characters       %d\n", times.reportCharacters);
    std::printf("  peak memory             %.1f MiB\n", double(times.peakRssKib) / 1024);
}

QJsonObject toJson(const InProcessTimes& times)
{
    return {{"repetitions", times.repetitions},
            {"print_repetitions", times.printRepetitions},
            {"open_report_ms", toJson(times.openReportMs)},
            {"write_rtf_ms", toJson(times.writeRtfMs)},
            {"print_pdf_ms", toJson(times.printPdfMs)},
            {"report_characters", times.reportCharacters},
            {"peak_rss_kib", double(times.peakRssKib)}};
}

int runInProcess(int argc, char* argv[], int repetitions)
{
    QApplication app(argc, argv);
    installFontSubstitutes();
    const InProcessTimes times = measureInProcess(repetitions);
    printInProcess(times);
    const QJsonObject json{{"inprocess", toJson(times)}};
    std::printf("%s", QJsonDocument(json).toJson(QJsonDocument::Indented).constData());
    return times.reportCharacters > 1 ? 0 : 1;
}

} // namespace qvz::bench
