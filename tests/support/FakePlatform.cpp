// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "support/FakePlatform.h"

#include <QPrinter>

namespace qvz {

MessageAnswer FakePlatform::showMessage(const MessageRequest& request)
{
    calls << QStringLiteral("message: ") + request.text;
    messages << request;
    if (onMessage)
        onMessage(request);
    if (!messageAnswers.isEmpty())
        return messageAnswers.dequeue();
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

bool FakePlatform::openAddress(const QString& address)
{
    calls << QStringLiteral("open: ") + address;
    openedAddresses << address;
    return browserStarts;
}

QDate FakePlatform::today() const
{
    return currentDate;
}

void FakePlatform::seedRandomFromClock()
{
    calls << QStringLiteral("seed");
}

float FakePlatform::nextRandom()
{
    calls << QStringLiteral("random");
    return randomValues.isEmpty() ? 0.0f : randomValues.dequeue();
}

QString FakePlatform::readSetting(const QString& key)
{
    calls << QStringLiteral("read: ") + key;
    return settings.value(key);
}

bool FakePlatform::saveSetting(const QString& key, const QString& value)
{
    calls << QStringLiteral("save: %1=%2").arg(key, value);
    if (settingsWritable)
        settings.insert(key, value);
    return settingsWritable;
}

bool FakePlatform::acquireInstanceLock()
{
    calls << QStringLiteral("lock");
    return instanceLockFree;
}

SaveDialogAnswer FakePlatform::askSaveFileName(const SaveDialogRequest& request)
{
    calls << QStringLiteral("save dialog: ") + request.title;
    saveDialogs << request;
    const int filter = saveFilters.isEmpty() ? request.filter : saveFilters.dequeue();
    return {saveFileNames.isEmpty() ? QString() : saveFileNames.dequeue(), filter};
}

std::unique_ptr<QPrinter> FakePlatform::defaultPrinter(QString& failure, QWidget*)
{
    calls << QStringLiteral("printer");
    failure = printerFailure;
    return printerFactory ? printerFactory() : nullptr;
}

void FakePlatform::endProcess(int status)
{
    calls << QStringLiteral("exit: %1").arg(status);
    exitStatuses << status;
}

QStringList FakePlatform::callsOf(const QString& kind) const
{
    QStringList matching;
    const QString prefix = kind + QLatin1Char(':');
    for (const QString& call : calls) {
        if (call == kind || call.startsWith(prefix))
            matching << call;
    }
    return matching;
}

} // namespace qvz
