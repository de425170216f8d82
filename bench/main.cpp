// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "BenchModes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

const char* const kUsage = "usage: qvz-bench startup [--settings FOLDER]\n"
                           "       qvz-bench baseline\n"
                           "       qvz-bench inprocess [--reps N]\n"
                           "       qvz-bench openings [--reps N]\n"
                           "       qvz-bench typing [--chars N [--one-paragraph]]\n"
                           "       qvz-bench compare [--pairs N] [--reps N]\n"
                           "Run with QT_QPA_PLATFORM=offscreen.\n";

// The value after option, or fallback when it is not given.
const char* optionValue(int argc, char* argv[], const char* option, const char* fallback)
{
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], option) == 0)
            return argv[i + 1];
    }
    return fallback;
}

int positive(const char* text)
{
    const int value = std::atoi(text);
    return value > 0 ? value : 1;
}

} // namespace

int main(int argc, char* argv[])
{
    using namespace qvz::bench;
    // Every mode measures the offscreen platform unless told otherwise.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const char* mode = argc > 1 ? argv[1] : "";
    const int reps = positive(optionValue(argc, argv, "--reps", "200"));
    if (std::strcmp(mode, "startup") == 0)
        return runStartup(argc, argv,
                          QString::fromLocal8Bit(optionValue(argc, argv, "--settings", "")));
    if (std::strcmp(mode, "baseline") == 0)
        return runBaseline(argc, argv);
    if (std::strcmp(mode, "inprocess") == 0)
        return runInProcess(argc, argv, reps);
    if (std::strcmp(mode, "openings") == 0)
        return runOpenings(argc, argv, positive(optionValue(argc, argv, "--reps", "1000")));
    if (std::strcmp(mode, "typing") == 0)
        return runTyping(argc, argv);
    if (std::strcmp(mode, "compare") == 0)
        return runCompare(argc, argv, positive(optionValue(argc, argv, "--pairs", "15")), reps);
    std::fputs(kUsage, stderr);
    return 2;
}
