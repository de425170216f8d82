// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "app/Lifecycle.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramIcon.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // Wayland compositors match the running program to its desktop entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(QVZ_APP_ID));
    QApplication::setWindowIcon(qvz::programIcon());
    qvz::installFontSubstitutes();
    qvz::QtPlatform platform;
    qvz::startApplication(platform);
    return app.exec();
}
