// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "app/Lifecycle.h"

#include "AppInfo.h"
#include "app/UpdateReminder.h"
#include "platform/Platform.h"
#include "ui/common/ExitProgram.h"
#include "ui/common/LinkLabel.h"
#include "ui/main/frmMain.h"

#include <algorithm>
#include <cmath>

namespace qvz {

namespace {

qint16 coBrandNumber = 0;

bool isAnotherInstanceRunning(Platform& platform)
{
    if (platform.acquireInstanceLock())
        return false;
    platform.showMessage({applicationTitle(), QStringLiteral("Application is already running"),
                          MessageIcon::Information, MessageButtons::Ok, nullptr});
    return true;
}

// A whole number from 1 to count; the clamp keeps a value rounded up to 1 in range.
int drawWholeNumber(Platform& platform, int count)
{
    const int drawn = static_cast<int>(std::floor(platform.nextRandom() * float(count)));
    return std::clamp(drawn, 0, count - 1) + 1;
}

} // namespace

void startApplication(Platform& platform)
{
    if (isAnotherInstanceRunning(platform)) {
        exitProgram(platform);
        return;
    }
    platform.seedRandomFromClock();
    runUpdateReminder(platform);
    auto* mainWindow = new frmMain(platform);
    mainWindow->setAttribute(Qt::WA_DeleteOnClose);
    mainWindow->show();
    CoBrand_Randomize(platform, mainWindow->promotions());
}

void CoBrand_Randomize(Platform& platform, const PromotionLabels& labels)
{
    coBrandNumber = static_cast<qint16>(drawWholeNumber(platform, 6));
    if (coBrandNumber % 2 == 1)
        labels.coBrand->bringInFrontOf(labels.fullBrand);
    else
        labels.fullBrand->bringInFrontOf(labels.coBrand);
}

qint16 intCoBrandRandomNumber()
{
    return coBrandNumber;
}

} // namespace qvz
