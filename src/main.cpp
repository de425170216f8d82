// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "app/Lifecycle.h"
#include "app/WindowSystem.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"
#include "ui/platform/PrinterQuery.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <vector>

int main(int argc, char* argv[])
{
    // Started by the program itself to ask the print system, which may never answer.
    if (qvz::isPrinterQuery(argc, argv))
        return qvz::answerPrinterQuery(argc, argv);
    // The platform goes on the command line rather than into the environment, which the
    // browsers the program starts would inherit.
    QByteArray platformName = qvz::preferredPlatform(argc, argv);
    char platformOption[] = "-platform";
    std::vector<char*> arguments(argv, argv + argc);
    if (!platformName.isEmpty())
        arguments.insert(arguments.end(), {platformOption, platformName.data()});
    int count = static_cast<int>(arguments.size());
    arguments.push_back(nullptr);

    QApplication app(count, arguments.data());
    qvz::acceptCompositorSizes(app);
    // Wayland compositors match the running program to its desktop entry by this name.
    QApplication::setDesktopFileName(QStringLiteral(QVZ_APP_ID));
    QApplication::setWindowIcon(qvz::programIcon());
    qvz::installFontSubstitutes();
    qvz::keepNoStyleDrawings();
    qvz::QtPlatform platform;
    qvz::startApplication(platform);
    return app.exec();
}
