// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Renders every window of the program to PNG files, for the README and for review;
// with "--dark", as on a desktop with a dark theme.
#include "support/DarkPalette.h"
#include "ui/common/Fonts.h"
#include "ui/exit/frmNagScreen2.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/platform/QtPlatform.h"
#include "ui/report/frmSave.h"

#include <QApplication>
#include <QDir>
#include <QPalette>
#include <QTextStream>
#include <cstdio>

namespace {

bool saveShot(QWidget& window, const QDir& folder, const QString& name)
{
    window.show();
    QApplication::processEvents();
    const QString path = folder.filePath(name + QLatin1String(".png"));
    const bool saved = window.grab().save(path);
    QTextStream(stdout) << (saved ? "wrote " : "FAILED ") << path << Qt::endl;
    return saved;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qvz::installFontSubstitutes();
    QStringList arguments = QApplication::arguments().mid(1);
    if (arguments.removeAll(QStringLiteral("--dark")) > 0)
        QApplication::setPalette(qvz::darkDesktopPalette());
    const QDir folder(arguments.value(0, QStringLiteral("screenshots")));
    QDir().mkpath(folder.path());
    qvz::QtPlatform platform;
    platform.seedRandomFromClock();

    bool ok = true;
    qvz::frmMain mainWindow(platform);
    ok &= saveShot(mainWindow, folder, QStringLiteral("frmMain"));
    qvz::frmAbout about(platform, &mainWindow);
    ok &= saveShot(about, folder, QStringLiteral("frmAbout"));
    qvz::frmSave report(platform, &mainWindow);
    ok &= saveShot(report, folder, QStringLiteral("frmSave"));
    qvz::frmNagScreen2 exitScreen(platform);
    ok &= saveShot(exitScreen, folder, QStringLiteral("frmNagScreen2"));
    return ok ? 0 : 1;
}
