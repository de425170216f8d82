// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace qvz {

// Why a file cannot be saved at the path, or an empty string when it may be written
// there: the folder must exist and take new files, and an existing file must be an
// ordinary file that is not read-only. The save dialog refuses such a choice, and the
// writer checks again, since the disk may change between the two.
QString saveTargetRefusal(const QString& path);

// Writes contents to path, replacing the file only once all of it is written, so that a
// failure leaves any old file as it was. Returns an empty string on success, otherwise
// the reason it failed.
QString saveFileAtomically(const QString& path, const QByteArray& contents);

} // namespace qvz
