// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Renders every window of the program to PNG files, for the README and for review;
// with "--dark", as on a desktop with a dark theme.
#include "support/DarkPalette.h"
#include "ui/common/Fonts.h"
#include "ui/exit/frmNagScreen2.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/platform/PrinterQuery.h"
#include "ui/platform/QtPlatform.h"
#include "ui/report/frmSave.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPalette>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>
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

// Print where there is no printer: its message, and the save dialog that its "Save as
// PDF" button opens, with the PDF filter chosen; both as the program shows them.
bool printWithoutPrinterShots(qvz::frmSave& report, const QDir& folder)
{
    bool ok = false;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (auto* box = qobject_cast<QMessageBox*>(window)) {
            ok = saveShot(*box, folder, QStringLiteral("NoPrinter"));
            box->buttons().constLast()->click();
        } else if (auto* dialog = qobject_cast<QFileDialog*>(window)) {
            ok = ok && saveShot(*dialog, folder, QStringLiteral("SaveAsPdf"));
            dialog->reject();
        }
    });
    poll.start(100);
    report.findChild<QPushButton*>(QStringLiteral("cmdPrint"))->click();
    return ok;
}

} // namespace

int main(int argc, char* argv[])
{
    // Print asks the print system through a child process of the program: here, this tool.
    if (qvz::isPrinterQuery(argc, argv))
        return qvz::answerPrinterQuery(argc, argv);
    // The save dialog shows an empty folder, not the files of whoever makes the pictures.
    const QTemporaryDir home;
    qputenv("HOME", QFile::encodeName(home.path()));
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
    ok &= printWithoutPrinterShots(report, folder);
    qvz::frmNagScreen2 exitScreen(platform);
    ok &= saveShot(exitScreen, folder, QStringLiteral("frmNagScreen2"));
    return ok ? 0 : 1;
}
