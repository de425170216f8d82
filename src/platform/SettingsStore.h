// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qvz {

// The running executable's file name without extension, read afresh each time, so a
// renamed copy of the program keeps settings of its own.
QString settingsApplicationName();

// Per-user text values in an INI file under the application name, section "Settings".
class SettingsStore {
public:
    QString read(const QString& key) const;
    bool save(const QString& key, const QString& value);
};

} // namespace qvz
