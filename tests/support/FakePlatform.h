// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "platform/Platform.h"

#include <QMap>
#include <QQueue>
#include <QStringList>
#include <functional>

class QPrinter;

namespace qvz {

// A platform that records every call, in order, and answers from a script.
class FakePlatform : public Platform {
public:
    // Every call, in order, as "kind: detail" ("open: http://...", "save: Duration=...").
    QStringList calls;
    QList<MessageRequest> messages;
    QList<SaveDialogRequest> saveDialogs;
    QStringList openedAddresses;
    QList<int> exitStatuses;

    // The script.
    QQueue<MessageAnswer> messageAnswers; // Ok, or Yes for Yes/No boxes, when empty
    // The names the save dialog hands back, as if past its own refusals (the disk may
    // change before the write); empty name (Cancel) when empty.
    QQueue<QString> saveFileNames;
    QQueue<int> saveFilters;    // the filter chosen with each name; the one offered when empty
    QQueue<float> randomValues; // 0 when empty
    QDate currentDate = QDate(2026, 12, 8);
    QMap<QString, QString> settings;
    bool settingsWritable = true;
    bool instanceLockFree = true;
    bool browserStarts = true;                                 // what openAddress answers
    std::function<std::unique_ptr<QPrinter>()> printerFactory; // no printer when unset
    QString printerFailure; // why the print system could not be asked
    // Runs inside showMessage, while a real box would be open (for modality checks).
    std::function<void(const MessageRequest&)> onMessage;

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

    // The calls whose kind is the given one ("open", "message", ...).
    QStringList callsOf(const QString& kind) const;
};

} // namespace qvz
