// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSettings>

namespace qvz {

namespace {

const QString kSection = QStringLiteral("Settings");

QString settingsPath(const QString& key)
{
    return kSection + QLatin1Char('/') + key;
}

// A file that did not parse is rewritten by sync() yet reports a format error, so only
// an access error means the value was not kept.
bool writeValue(const QString& key, const QString& value)
{
    const QString app = settingsApplicationName();
    QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    settings.setValue(settingsPath(key), value);
    settings.sync();
    return settings.status() != QSettings::AccessError;
}

} // namespace

QString settingsApplicationName()
{
    return QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
}

QString SettingsStore::read(const QString& key) const
{
    const QString app = settingsApplicationName();
    const QSettings settings(QSettings::IniFormat, QSettings::UserScope, app, app);
    return settings.value(settingsPath(key)).toString();
}

bool SettingsStore::save(const QString& key, const QString& value)
{
    return writeValue(key, value);
}

} // namespace qvz
