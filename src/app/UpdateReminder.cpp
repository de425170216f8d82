// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "app/UpdateReminder.h"

#include "AppInfo.h"
#include "app/ShortDate.h"
#include "links/LinkTarget.h"
#include "platform/Platform.h"

#include <QLocale>

namespace qvz {

namespace {

const QString kDurationKey = QStringLiteral("Duration");
// The same date once more, in a form that no locale reads otherwise: the short date
// text alone reads as another day, or as none, once the user's locale has changed.
const QString kIsoDateKey = QStringLiteral("DurationIso");
constexpr qint64 kQuietDays = 14;

// Both values, Duration first: older copies of the program read it alone.
bool saveToday(Platform& platform, const QLocale& locale)
{
    const QDate today = platform.today();
    return platform.saveSetting(kDurationKey, shortDateText(today, locale)) &&
           platform.saveSetting(kIsoDateKey, today.toString(Qt::ISODate));
}

// The ISO date where there is a readable one; else Duration, as an older copy wrote it.
QDate lastReminderDate(Platform& platform, const QLocale& locale)
{
    const QDate iso = QDate::fromString(platform.readSetting(kIsoDateKey), Qt::ISODate);
    if (iso.isValid())
        return iso;
    return parseShortDate(platform.readSetting(kDurationKey), locale, platform.today());
}

bool userWantsToCheck(Platform& platform)
{
    const QString text = QStringLiteral("There maybe an update to this software available") +
                         QLatin1Char('\r') + QStringLiteral("Do you want to check for an update?");
    const MessageRequest request{applicationTitle(), text, MessageIcon::Information,
                                 MessageButtons::YesNo, nullptr};
    return platform.showMessage(request) == MessageAnswer::Yes;
}

} // namespace

void runUpdateReminder(Platform& platform)
{
    // The user's own short date format, whatever default locale the program has set.
    runUpdateReminder(platform, QLocale::system());
}

void runUpdateReminder(Platform& platform, const QLocale& userLocale)
{
    const QDate today = platform.today();
    const QDate last = lastReminderDate(platform, userLocale);
    // A first run, or a text that is no longer a date (the user changed the system's
    // date format), starts the count afresh instead of silencing the reminder for ever.
    if (!last.isValid()) {
        saveToday(platform, userLocale);
        return;
    }
    if (qAbs(today.daysTo(last)) <= kQuietDays)
        return;
    const bool check = userWantsToCheck(platform);
    if (!saveToday(platform, userLocale))
        return;
    if (check)
        openLink(platform, LinkTarget::DownloadPage);
}

} // namespace qvz
