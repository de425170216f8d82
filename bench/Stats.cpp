// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "Stats.h"

#include <algorithm>
#include <sys/resource.h>

namespace qvz::bench {

Summary summarize(QList<double> values)
{
    if (values.isEmpty())
        return {};
    std::sort(values.begin(), values.end());
    const qsizetype middle = values.size() / 2;
    const double median = values.size() % 2 == 1 ? values.at(middle)
                                                 : (values.at(middle - 1) + values.at(middle)) / 2;
    return {median, values.constFirst(), values.constLast()};
}

QJsonObject toJson(const Summary& summary)
{
    return {{"median", summary.median}, {"min", summary.min}, {"max", summary.max}};
}

QString describe(const Summary& summary)
{
    return QStringLiteral("%1 [%2 .. %3]")
        .arg(summary.median, 0, 'f', 2)
        .arg(summary.min, 0, 'f', 2)
        .arg(summary.max, 0, 'f', 2);
}

long peakRssKib()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

} // namespace qvz::bench
