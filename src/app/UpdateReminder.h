// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

namespace qvz {

class Platform;

// At start-up: once more than fourteen days lie between the stored "Duration" date
// and today, offers to look for an update and remembers today.
void runUpdateReminder(Platform& platform);

} // namespace qvz
