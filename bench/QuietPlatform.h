// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Platform.h"

namespace qvz::bench {

// A platform that answers at once and reaches nothing outside the process, so only the
// program's own work is timed.
class QuietPlatform : public Platform {
public:
    MessageAnswer showMessage(const MessageRequest& request) override;
    bool openAddress(const QString& address) override;
    QDate today() const override;
    void seedRandomFromClock() override;
    float nextRandom() override;
    QString readSetting(const QString& key) override;
    bool saveSetting(const QString& key, const QString& value) override;
    bool acquireInstanceLock() override;
    SaveDialogAnswer askSaveFileName(const SaveDialogRequest& request) override;
    std::unique_ptr<QPrinter> defaultPrinter(QString& failure, QWidget* owner) override;
    void endProcess(int status) override;
};

} // namespace qvz::bench
