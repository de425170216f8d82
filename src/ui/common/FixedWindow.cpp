// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/FixedWindow.h"

#include "AppInfo.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"

#include <QWidget>

namespace qvz {

void setUpFixedWindow(QWidget& window, const char* name, const QSize& size, Qt::WindowFlags kind)
{
    window.setObjectName(QLatin1String(name));
    window.setWindowTitle(windowCaption());
    window.setWindowIcon(programIcon());
    window.setWindowFlags(kind | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    window.setFixedSize(size);
    window.setFont(verdana(8.25));
    applyProgramPalette(window);
}

} // namespace qvz
