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
constexpr qint64 kQuietDays = 14;

// The user's own short date format, whatever default locale the program has set.
QLocale dateLocale()
{
    return QLocale::system();
}

bool saveToday(Platform& platform)
{
    return platform.saveSetting(kDurationKey, shortDateText(platform.today(), dateLocale()));
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
    const QString stored = platform.readSetting(kDurationKey);
    const QDate today = platform.today();
    const QDate last = parseShortDate(stored, dateLocale(), today);
    // A first run, or a text that is no longer a date (the user changed the system's
    // date format), starts the count afresh instead of silencing the reminder for ever.
    if (!last.isValid()) {
        saveToday(platform);
        return;
    }
    if (qAbs(today.daysTo(last)) <= kQuietDays)
        return;
    const bool check = userWantsToCheck(platform);
    if (!saveToday(platform))
        return;
    if (check)
        openLink(platform, LinkTarget::DownloadPage);
}

} // namespace qvz
