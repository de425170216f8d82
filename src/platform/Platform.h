// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <memory>

class QPrinter;
class QWidget;

namespace qvz {

enum class MessageIcon { Information, Critical };
enum class MessageButtons { Ok, YesNo };
enum class MessageAnswer { Ok, Yes, No, Alternative };

// A modal message box. With YesNo, Yes is the default button. An OK box may offer one
// alternative beside OK, answered as Alternative; OK stays the default and Esc's answer.
struct MessageRequest {
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Information;
    MessageButtons buttons = MessageButtons::Ok;
    QWidget* owner = nullptr;
    QString alternative = QString(); // the caption of the button beside OK, or none when empty
};

// A modal save dialog that asks before overwriting. It opens in the folder last saved to
// in this run, the first time in the user's documents. The file chosen is exactly the name
// typed. It refuses, saying why, a path that saveTargetRefusal refuses (a character the
// system forbids in names, a missing folder, a read-only file, a device), and the user
// chooses again in that folder, or the nearest one that exists, with the typed name.
// Each filter names one suffix ("Description (*.suffix)"), which a name typed without a
// suffix gets from the filter chosen.
struct SaveDialogRequest {
    QString title;
    QStringList filters;
    int filter = 0; // chosen at the start
    QWidget* owner = nullptr;
};

// The path chosen, or an empty one when the user cancelled, and the filter chosen last.
struct SaveDialogAnswer {
    QString path;
    int filter = 0;
};

// Everything that leaves the process goes through here, so that every window and
// routine can be driven by a scripted fake in tests.
class Platform {
public:
    virtual ~Platform() = default;

    virtual MessageAnswer showMessage(const MessageRequest& request) = 0;

    // Hands an address to the desktop's browser without waiting for it. False when the
    // desktop could not hand it on: no program to open it, or an address too long to pass.
    virtual bool openAddress(const QString& address) = 0;

    virtual QDate today() const = 0;

    virtual void seedRandomFromClock() = 0;
    // A single-precision value in [0, 1).
    virtual float nextRandom() = 0;

    // Per-user named text values under the application name, section "Settings".
    // A key never written reads as the empty string.
    virtual QString readSetting(const QString& key) = 0;
    virtual bool saveSetting(const QString& key, const QString& value) = 0;

    // False only when a live copy of the program holds the single-instance lock; the
    // lock is held until exit. When it cannot be taken for another reason, the check
    // cannot be made: true, and one line on standard error names the folder and why.
    virtual bool acquireInstanceLock() = 0;

    virtual SaveDialogAnswer askSaveFileName(const SaveDialogRequest& request) = 0;

    // The system's default printer, or null when there is none. When the print system
    // could not be asked (it did not answer in time), failure says so. The windows stay
    // live meanwhile; when the owner is closed, the question is given up on at once: null,
    // and no failure.
    virtual std::unique_ptr<QPrinter> defaultPrinter(QString& failure, QWidget* owner) = 0;

    // Ends the process with the given status. The real platform does not return.
    virtual void endProcess(int status) = 0;
};

} // namespace qvz
