// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Platform.h"

#include <QLockFile>
#include <QPointer>
#include <chrono>
#include <memory>
#include <random>

class QProcess;

namespace qvz {

// Takes the single-instance lock: false only when a live copy of the program holds it.
// When the lock cannot be taken for any other reason the check cannot be made: true,
// with a line naming the folder and the reason in problem.
bool takeInstanceLock(QLockFile& lock, QString& problem);

// Says why path cannot be saved, in a message owned by owner, if saveTargetRefusal refuses
// it; true when it was refused.
bool refuseSaveTarget(QWidget* owner, const QString& title, const QString& path);

// The real platform: Qt's message boxes, desktop services, settings, printing.
class QtPlatform : public Platform {
public:
    // How long Print waits for the print system before it gives up: 10 s.
    void setPrinterWait(std::chrono::milliseconds wait) { printerWait_ = wait; }

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
    [[noreturn]] void endProcess(int status) override;

private:
    QString lastSaveFolder_; // where the last save dialog of this run was answered
    std::chrono::milliseconds printerWait_{std::chrono::seconds(10)};
    QPointer<QProcess> printerQuery_; // the print system's answer being waited for
    std::mt19937 generator_{0};
    std::unique_ptr<QLockFile> instanceLock_;
};

} // namespace qvz
