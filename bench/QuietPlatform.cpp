// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "QuietPlatform.h"

#include <QPrinter>

namespace qvz::bench {

MessageAnswer QuietPlatform::showMessage(const MessageRequest& request)
{
    return request.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
}

bool QuietPlatform::openAddress(const QString&)
{
    return true;
}

QDate QuietPlatform::today() const
{
    return QDate::currentDate();
}

void QuietPlatform::seedRandomFromClock() {}

float QuietPlatform::nextRandom()
{
    return 0.0f;
}

QString QuietPlatform::readSetting(const QString&)
{
    return QString();
}

bool QuietPlatform::saveSetting(const QString&, const QString&)
{
    return true;
}

bool QuietPlatform::acquireInstanceLock()
{
    return true;
}

SaveDialogAnswer QuietPlatform::askSaveFileName(const SaveDialogRequest&)
{
    return {};
}

std::unique_ptr<QPrinter> QuietPlatform::defaultPrinter(QString&, QWidget*)
{
    return nullptr;
}

void QuietPlatform::endProcess(int) {}

} // namespace qvz::bench
