// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "BenchModes.h"
#include "InProcess.h"
#include "Instructions.h"
#include "Stats.h"
#include "Typing.h"
#include "ui/common/Fonts.h"

#include <QApplication>
#include <QDir>
#include <QJsonDocument>
#include <QTemporaryDir>
#include <cstdio>
#include <ctime>
#include <optional>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

extern char** environ;

namespace qvz::bench {

namespace {

constexpr int kWarmUpPairs = 2;
constexpr double kWallTarget = 1.15;
constexpr double kInstructionTarget = 1.20;
constexpr double kMemoryTarget = 1.05;
constexpr double kFirstTopicTargetMs = 1;
constexpr double kOpenReportTargetMs = 15;
constexpr double kWriteRtfTargetMs = 2;
constexpr double kKeystrokeTargetMs = 5;
constexpr double kPasteTargetMs = 1000;

struct ChildRun {
    double wallMs;
    double cpuMs;
    double peakRssKib;
};

struct Series {
    QList<double> wallMs;
    QList<double> cpuMs;
    QList<double> peakRssKib;

    void add(const ChildRun& run)
    {
        wallMs << run.wallMs;
        cpuMs << run.cpuMs;
        peakRssKib << run.peakRssKib;
    }
};

double nowMs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return double(now.tv_sec) * 1e3 + double(now.tv_nsec) / 1e6;
}

double toMs(const timeval& time)
{
    return double(time.tv_sec) * 1e3 + double(time.tv_usec) / 1e3;
}

// Starts this program in the given mode and waits for it; wait4 reports the child's own
// peak memory and CPU time, which nothing else in the parent disturbs.
std::optional<ChildRun> runChild(const QStringList& arguments)
{
    const QByteArray program = QCoreApplication::applicationFilePath().toLocal8Bit();
    QList<QByteArray> storage{program};
    for (const QString& argument : arguments)
        storage << argument.toLocal8Bit();
    QList<char*> argv;
    for (QByteArray& argument : storage)
        argv << argument.data();
    argv << nullptr;

    const double start = nowMs();
    pid_t child = 0;
    if (posix_spawn(&child, program.constData(), nullptr, nullptr, argv.data(), environ) != 0)
        return std::nullopt;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return std::nullopt;
    const double wall = nowMs() - start;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return std::nullopt;
    return ChildRun{wall, toMs(usage.ru_utime) + toMs(usage.ru_stime), double(usage.ru_maxrss)};
}

// The median of the pairwise ratios: load that changes during the run hits both halves
// of a pair alike.
double pairedRatio(const QList<double>& numerators, const QList<double>& denominators)
{
    QList<double> ratios;
    for (qsizetype i = 0; i < numerators.size(); ++i)
        ratios << numerators.at(i) / denominators.at(i);
    return summarize(ratios).median;
}

void printSeries(const char* name, const Series& series)
{
    const Summary wall = summarize(series.wallMs);
    const Summary cpu = summarize(series.cpuMs);
    Summary memory = summarize(series.peakRssKib);
    memory = {memory.median / 1024, memory.min / 1024, memory.max / 1024};
    std::printf("  %-9s wall ms %s\n", name, qPrintable(describe(wall)));
    std::printf("  %-9s CPU ms  %s\n", "", qPrintable(describe(cpu)));
    std::printf("  %-9s RSS MiB %s\n", "", qPrintable(describe(memory)));
}

QJsonObject seriesJson(const Series& series)
{
    return {{"wall_ms", toJson(summarize(series.wallMs))},
            {"cpu_ms", toJson(summarize(series.cpuMs))},
            {"peak_rss_kib", toJson(summarize(series.peakRssKib))}};
}

const char* verdict(bool met)
{
    return met ? "met" : "MISSED";
}

QJsonObject target(double measured, double limit, const char* printedName, const char* unit)
{
    std::printf("  %-32s %8.2f%s  (target < %.2f%s)  %s\n", printedName, measured, unit, limit,
                unit, verdict(measured < limit));
    return {{"measured", measured}, {"limit", limit}, {"met", measured < limit}};
}

struct Instructions {
    double startup = 0;
    double baseline = 0;

    bool counted() const { return startup > 0 && baseline > 0; }
    double ratio() const { return counted() ? startup / baseline : 0; }
};

// The median, or 0 when a run went uncounted.
double medianIfAllCounted(const QList<double>& counts)
{
    const Summary summary = summarize(counts);
    return summary.min > 0 ? summary.median : 0;
}

// Three runs of each under callgrind, their medians: a count varies by about 1 % from run
// to run, with the order in which threads happen to run.
Instructions countStartupInstructions(const QStringList& startup, const QStringList& baseline)
{
    constexpr int kRuns = 3;
    QList<double> startups;
    QList<double> baselines;
    for (int run = 0; run < kRuns; ++run) {
        startups << countInstructions(startup);
        baselines << countInstructions(baseline);
    }
    const Instructions counts{medianIfAllCounted(startups), medianIfAllCounted(baselines)};
    std::printf("Instructions to the first painted frame (callgrind, median of %d runs each; the "
                "same at any load)\n",
                kRuns);
    if (counts.counted())
        std::printf("  startup %.1f M, baseline %.1f M: %.2fx\n\n", counts.startup / 1e6,
                    counts.baseline / 1e6, counts.ratio());
    else
        std::printf("  not counted: valgrind is not installed, or a run under it failed\n\n");
    return counts;
}

} // namespace

int runCompare(int argc, char* argv[], int pairs, int repetitions)
{
    QApplication app(argc, argv);
    QTemporaryDir settings;
    // A private runtime folder for the instance lock, in memory where the system has such
    // a folder, as a desktop session's runtime folder is.
    QTemporaryDir runtime(QDir(QStringLiteral("/dev/shm")).exists()
                              ? QStringLiteral("/dev/shm/qvz-bench-XXXXXX")
                              : QDir::tempPath() + QStringLiteral("/qvz-bench-XXXXXX"));
    if (!settings.isValid() || !runtime.isValid() || !writeQuietSettings(settings.path()))
        return 1;
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));

    const QStringList startup{QStringLiteral("startup"), QStringLiteral("--settings"),
                              settings.path()};
    const QStringList baseline{QStringLiteral("baseline")};
    Series startups;
    Series baselines;
    const double loadAtStart = loadAverage();
    for (int pair = -kWarmUpPairs; pair < pairs; ++pair) {
        // Alternate which goes first, so neither always finds the caches the other left.
        const bool startupFirst = pair % 2 == 0;
        const auto first = runChild(startupFirst ? startup : baseline);
        const auto second = runChild(startupFirst ? baseline : startup);
        if (!first || !second) {
            std::fprintf(stderr, "qvz-bench: a child run failed\n");
            return 1;
        }
        if (pair < 0)
            continue;
        startups.add(startupFirst ? *first : *second);
        baselines.add(startupFirst ? *second : *first);
    }

    const Load pairsLoad = loadSince(loadAtStart);
    std::printf("Start-up to the first painted frame, %d pairs, %s: median [min .. max]\n", pairs,
                qPrintable(describe(pairsLoad)));
    printSeries("startup", startups);
    printSeries("baseline", baselines);
    const double wallRatio = pairedRatio(startups.wallMs, baselines.wallMs);
    const double cpuRatio = pairedRatio(startups.cpuMs, baselines.cpuMs);
    const double memoryRatio = pairedRatio(startups.peakRssKib, baselines.peakRssKib);
    std::printf("  startup / baseline, median of pairs: wall %.2fx, CPU %.2fx, memory %.2fx\n\n",
                wallRatio, cpuRatio, memoryRatio);
    const Instructions instructions = countStartupInstructions(startup, baseline);

    installFontSubstitutes();
    const InProcessTimes inProcess = measureInProcess(repetitions);
    printInProcess(inProcess);
    std::printf("\n");
    const QList<TypingTimes> typing = measureStandardTyping();
    printTyping(typing);
    const TypingTimes megabyte = typingCase(typing, {1000000});

    std::printf("\nTargets (start-up wall times at %s)\n", qPrintable(describe(pairsLoad)));
    QJsonObject targets{
        {"startup_wall_ratio",
         target(wallRatio, kWallTarget, "start-up wall time / baseline", "x")},
        {"startup_memory_ratio",
         target(memoryRatio, kMemoryTarget, "start-up peak memory / baseline", "x")},
        {"first_topic_ms", target(inProcess.firstTopicMs.max, kFirstTopicTargetMs,
                                  "first choice of the slowest topic", " ms")},
        {"open_report_ms", target(inProcess.openReportMs.median, kOpenReportTargetMs,
                                  "open the report window", " ms")},
        {"write_rtf_ms",
         target(inProcess.writeRtfMs.median, kWriteRtfTargetMs, "write the report as RTF", " ms")},
        {"paste_1m_ms", target(megabyte.pasteMs, kPasteTargetMs, "paste 1 M characters", " ms")},
        {"keystroke_after_paste_1m_ms", target(megabyte.afterPasteMs.median, kKeystrokeTargetMs,
                                               "keystroke after a 1 M paste", " ms")},
        {"keystroke_midway_1m_ms",
         target(megabyte.midwayMs.median, kKeystrokeTargetMs, "keystroke mid-way in 1 M", " ms")},
    };
    if (instructions.counted())
        targets.insert("startup_instruction_ratio",
                       target(instructions.ratio(), kInstructionTarget,
                              "start-up instructions / baseline", "x"));

    const QJsonObject json{
        {"pairs", pairs},
        {"startup_load", toJson(pairsLoad)},
        {"instructions", QJsonObject{{"startup", instructions.startup},
                                     {"baseline", instructions.baseline},
                                     {"ratio", instructions.ratio()}}},
        {"startup", seriesJson(startups)},
        {"baseline", seriesJson(baselines)},
        {"ratios", QJsonObject{{"wall", wallRatio}, {"cpu", cpuRatio}, {"peak_rss", memoryRatio}}},
        {"inprocess", toJson(inProcess)},
        {"typing", toJson(typing)},
        {"targets", targets},
    };
    std::printf("\n%s", QJsonDocument(json).toJson(QJsonDocument::Indented).constData());
    return 0;
}

} // namespace qvz::bench
