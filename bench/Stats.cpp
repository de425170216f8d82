// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "Stats.h"

#include <QFile>
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

double loadAverage()
{
    QFile file(QStringLiteral("/proc/loadavg"));
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    bool ok = false;
    const double load = file.readLine().split(' ').value(0).toDouble(&ok);
    return ok ? load : -1;
}

Load loadSince(double start)
{
    return {start, loadAverage()};
}

QString describe(const Load& load)
{
    if (load.start < 0 || load.end < 0)
        return QStringLiteral("load unknown");
    return QStringLiteral("load %1 .. %2").arg(load.start, 0, 'f', 2).arg(load.end, 0, 'f', 2);
}

QJsonObject toJson(const Load& load)
{
    return {{"start", load.start}, {"end", load.end}};
}

} // namespace qvz::bench
