// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#include "ui/common/ExitProgram.h"

#include "platform/Platform.h"

#include <QApplication>
#include <QPointer>
#include <QWidget>

namespace qvz {

void exitProgram(Platform& platform)
{
    // Guard every window before closing any: a close may take other windows with it.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        windows << window;
    for (const QPointer<QWidget>& window : windows) {
        if (window && window->isVisible())
            window->close();
    }
    platform.endProcess(0);
}

} // namespace qvz
