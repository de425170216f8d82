// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "InProcess.h"

#include "BenchModes.h"
#include "QuietPlatform.h"
#include "profile/ProfileTopic.h"
#include "report/RtfWriter.h"
#include "ui/common/Fonts.h"
#include "ui/main/frmMain.h"
#include "ui/report/ReportPrinter.h"
#include "ui/report/frmSave.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QListWidget>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
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

Summary timeSavingPdf(QTextEdit& view, int repetitions)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("report.pdf"));
    bool saved = true;
    const Summary summary = timeRepeatedly(
        repetitions, [] {}, [&] { saved = savePdfFile(view, path).isEmpty() && saved; });
    if (!saved)
        std::fprintf(stderr, "qvz-bench: saving as PDF failed\n");
    return summary;
}

// The first choice of each topic but the first, in a shown main window: building the
// topic's panel, filling and binding it, and bringing it forward; the painting follows
// later, as it would for a panel built before. Gives each topic's median over the windows.
QList<double> timeFirstTopicChoices(Platform& platform, int windows)
{
    QList<QList<double>> times(profileTopics().size());
    for (int run = -1; run < windows; ++run) {
        frmMain window(platform);
        window.show();
        auto* topics = window.findChild<QListWidget*>();
        if (!topics || !QTest::qWaitForWindowExposed(&window))
            return {};
        for (int position = 1; position < int(times.size()); ++position) {
            QElapsedTimer timer;
            timer.start();
            topics->setCurrentRow(position);
            const double ms = double(timer.nsecsElapsed()) / 1e6;
            if (run >= 0)
                times[position] << ms;
            QCoreApplication::processEvents();
        }
    }
    QList<double> medians;
    for (const QList<double>& topic : times.mid(1))
        medians << summarize(topic).median;
    return medians;
}

} // namespace

InProcessTimes measureInProcess(int repetitions)
{
    const double loadAtStart = loadAverage();
    QuietPlatform platform;
    InProcessTimes times;
    times.repetitions = repetitions;
    times.openReportMs = timeOpeningReport(platform, repetitions);
    // A main window takes longer to open than a report; a tenth of the runs suffices.
    times.topicWindows = qMax(1, repetitions / 10);
    times.firstTopicMs = summarize(timeFirstTopicChoices(platform, times.topicWindows));

    frmSave report(platform);
    QTextEdit* view = report.view();
    times.reportCharacters = view->document()->characterCount();
    times.writeRtfMs = timeWritingRtf(*view, repetitions);
    // Printing is slower by far; a quarter of the runs gives a steady median.
    times.printRepetitions = qMax(1, repetitions / 4);
    times.printPdfMs = timePrinting(*view, times.printRepetitions);
    times.savePdfMs = timeSavingPdf(*view, times.printRepetitions);
    times.peakRssKib = peakRssKib();
    times.load = loadSince(loadAtStart);
    return times;
}

void printInProcess(const InProcessTimes& times)
{
    std::printf("In one process, ms: median [min .. max] over %d runs (printing %d), %s\n",
                times.repetitions, times.printRepetitions, qPrintable(describe(times.load)));
    std::printf("  first choice of a topic %s  (medians of the 15 topics, %d windows)\n",
                qPrintable(describe(times.firstTopicMs)), times.topicWindows);
    std::printf("  open the report window  %s\n", qPrintable(describe(times.openReportMs)));
    std::printf("  write the report as RTF %s\n", qPrintable(describe(times.writeRtfMs)));
    std::printf("  print it to PDF         %s\n", qPrintable(describe(times.printPdfMs)));
    std::printf("  save it as PDF          %s  (%.2fx printing it)\n",
                qPrintable(describe(times.savePdfMs)),
                times.savePdfMs.median / times.printPdfMs.median);
    std::printf("  report characters       %d\n", times.reportCharacters);
    std::printf("  peak memory             %.1f MiB\n", double(times.peakRssKib) / 1024);
}

QJsonObject toJson(const InProcessTimes& times)
{
    return {{"repetitions", times.repetitions},
            {"print_repetitions", times.printRepetitions},
            {"topic_windows", times.topicWindows},
            {"first_topic_ms", toJson(times.firstTopicMs)},
            {"open_report_ms", toJson(times.openReportMs)},
            {"write_rtf_ms", toJson(times.writeRtfMs)},
            {"print_pdf_ms", toJson(times.printPdfMs)},
            {"save_pdf_ms", toJson(times.savePdfMs)},
            {"save_pdf_vs_print", times.savePdfMs.median / times.printPdfMs.median},
            {"report_characters", times.reportCharacters},
            {"peak_rss_kib", double(times.peakRssKib)},
            {"load", toJson(times.load)}};
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
