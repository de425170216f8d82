// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace qvz {

// Which characters a name in a path may not hold: Windows' rules, or those of the other
// systems, where only NUL (which would end the name early) is forbidden.
enum class NameRules { Windows, Unix };

#ifdef Q_OS_WIN
constexpr NameRules systemNameRules = NameRules::Windows;
#else
constexpr NameRules systemNameRules = NameRules::Unix;
#endif

// Names the first character of path that no file or folder name may hold under the rules,
// or an empty string when there is none. The colon of a drive ("C:") is no name's.
QString forbiddenCharacterRefusal(const QString& path, NameRules rules = systemNameRules);

// Why a file cannot be saved at the path, or an empty string when it may be written
// there: no name in it may hold a character the system forbids, the folder must exist and
// take new files, and an existing file must be an ordinary file that is not read-only.
// The save dialog refuses such a choice, and the writer checks again, since the disk may
// change between the two.
QString saveTargetRefusal(const QString& path);

// Writes contents to path, replacing the file only once all of it is written, so that a
// failure leaves any old file as it was. A file saved over keeps its mode, and where the
// system allows its owner, group and extended attributes; a link saved over stays a link
// to the new file. Returns an empty string on success, otherwise the reason it failed.
QString saveFileAtomically(const QString& path, const QByteArray& contents);

} // namespace qvz
