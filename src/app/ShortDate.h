// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

namespace qvz {

// The date alone, in the locale's short date format.
QString shortDateText(QDate date, const QLocale& locale);

// Reads text written by shortDateText with the same locale back as the same date.
// When the format carries only two digits of the year, the century is the one that
// puts the date nearest to today. Returns an invalid date when the text is no date.
QDate parseShortDate(const QString& text, const QLocale& locale, QDate today);

} // namespace qvz
