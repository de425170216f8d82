// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

class QLocale;

namespace qvz {

class Platform;

// At start-up: once more than fourteen days lie between the stored "Duration" date
// and today, offers to look for an update and remembers today. The date is kept as
// short-date text in the user's locale and once more as an ISO date, read first where
// it is there and readable, so that a change of locale never misreads it.
void runUpdateReminder(Platform& platform);
void runUpdateReminder(Platform& platform, const QLocale& userLocale);

} // namespace qvz
