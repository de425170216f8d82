// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace qvz {

// Why a file cannot be saved at the path, or an empty string when it may be written
// there: the folder must exist and take new files, and an existing file must be an
// ordinary file that is not read-only. The save dialog refuses such a choice, and the
// writer checks again, since the disk may change between the two.
QString saveTargetRefusal(const QString& path);

} // namespace qvz
