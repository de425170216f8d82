// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "app/ShortDate.h"

#include <QCalendar>
#include <array>
#include <cstdlib>

namespace qvz {

namespace {

// True when the format's year field is "yy"; quoted literal text is skipped.
bool hasTwoDigitYear(const QString& format)
{
    bool quoted = false;
    for (qsizetype i = 0; i < format.size(); ++i) {
        if (format.at(i) == QLatin1Char('\'')) {
            quoted = !quoted;
            continue;
        }
        if (quoted || format.at(i) != QLatin1Char('y'))
            continue;
        qsizetype run = 1;
        while (i + run < format.size() && format.at(i + run) == QLatin1Char('y'))
            ++run;
        if (run == 2)
            return true;
        i += run - 1;
    }
    return false;
}

// Of the three centuries around today, the valid date nearest to today.
QDate nearestCentury(int yearInCentury, int month, int day, QDate today)
{
    const int century = today.year() / 100 * 100;
    QDate best;
    for (const int base : std::array<int, 3>{century - 100, century, century + 100}) {
        const QDate candidate(base + yearInCentury, month, day);
        if (!candidate.isValid())
            continue;
        if (!best.isValid() || std::abs(candidate.daysTo(today)) < std::abs(best.daysTo(today)))
            best = candidate;
    }
    return best;
}

QDate parseTwoDigitYear(const QString& text, const QLocale& locale, const QString& format,
                        QDate today)
{
    // The parser puts a two-digit year in the 1900s, where 1900 has no 29 February.
    // The Julian calendar has one in every fourth year, so it accepts every day and
    // month that some century can hold; the real century is chosen afterwards.
    const QCalendar julian(QCalendar::System::Julian);
    const QDate parsed = locale.toDate(text, format, julian);
    if (!parsed.isValid())
        return {};
    const QCalendar::YearMonthDay parts = julian.partsFromDate(parsed);
    return nearestCentury(parts.year % 100, parts.month, parts.day, today);
}

} // namespace

QString shortDateText(QDate date, const QLocale& locale)
{
    return locale.toString(date, QLocale::ShortFormat);
}

QDate parseShortDate(const QString& text, const QLocale& locale, QDate today)
{
    const QString format = locale.dateFormat(QLocale::ShortFormat);
    if (hasTwoDigitYear(format))
        return parseTwoDigitYear(text, locale, format, today);
    return locale.toDate(text, format);
}

} // namespace qvz
