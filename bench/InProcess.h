// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "Stats.h"

#include <QJsonObject>

namespace qvz::bench {

struct InProcessTimes {
    int repetitions = 0;
    int printRepetitions = 0;
    int topicWindows = 0;
    Summary firstTopicMs;     // each topic's first choice: building and filling its panel
    Summary openReportMs;     // constructing the report window: wiring, composing, filling
    Summary writeRtfMs;       // the filled report as RTF
    Summary printPdfMs;       // the filled report printed to a PDF file
    Summary savePdfMs;        // the filled report saved as a PDF, as the Save command does
    int reportCharacters = 0; // of the filled report, to show it was not empty
    long peakRssKib = 0;
    Load load;
};

// Needs a QApplication. Runs each step a few times untimed first.
InProcessTimes measureInProcess(int repetitions);

void printInProcess(const InProcessTimes& times);

QJsonObject toJson(const InProcessTimes& times);

} // namespace qvz::bench
