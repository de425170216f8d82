// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>

namespace qvz::bench {

struct Summary {
    double median = 0;
    double min = 0;
    double max = 0;
};

// Median (the mean of the middle two for an even count), least and greatest.
Summary summarize(QList<double> values);

QJsonObject toJson(const Summary& summary);

// "12.34 [11.02 .. 15.80]"
QString describe(const Summary& summary);

// The process's own peak resident memory so far, in KiB.
long peakRssKib();

// The machine's load average over the last minute at the start and at the end of a
// timing (-1 where /proc/loadavg is missing). Wall times grow with it and the ratio of
// two programs' wall times shrinks toward 1, so every timing is printed with it.
struct Load {
    double start = -1;
    double end = -1;
};

double loadAverage();

// The load from start, taken before a timing, until now.
Load loadSince(double start);

// "load 2.31 .. 2.45"
QString describe(const Load& load);

QJsonObject toJson(const Load& load);

} // namespace qvz::bench
