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

} // namespace qvz::bench
