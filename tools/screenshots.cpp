// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Renders every window of the program to PNG files, for the README and for review;
// with "--dark", as on a desktop with a dark theme.
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

// A dark desktop theme as Qt takes it over from, for instance, GNOME's dark style.
QPalette darkDesktopPalette()
{
    QPalette dark(QColor(0x35, 0x35, 0x35)); // light text on dark grey, shades derived
    dark.setColor(QPalette::Base, QColor(0x24, 0x24, 0x24));
    dark.setColor(QPalette::AlternateBase, QColor(0x2e, 0x2e, 0x2e));
    dark.setColor(QPalette::Highlight, QColor(0x35, 0x84, 0xe4));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}

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
        QApplication::setPalette(darkDesktopPalette());
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
