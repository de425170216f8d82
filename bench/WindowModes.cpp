// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "BenchModes.h"
#include "FirstPaint.h"
#include "app/Lifecycle.h"
#include "app/ShortDate.h"
#include "platform/SettingsStore.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"
#include "ui/common/Twips.h"
#include "ui/main/frmMain.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QLayout>
#include <QListWidget>
#include <QMainWindow>
#include <QMenuBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextEdit>

namespace qvz::bench {

namespace {

// The main window start-up has shown, found by its type.
QMainWindow* findMainWindow()
{
    const auto windows = QApplication::topLevelWidgets();
    for (QWidget* window : windows) {
        if (auto* main = qobject_cast<frmMain*>(window))
            return main;
    }
    return nullptr;
}

QMainWindow* buildBareWindow()
{
    auto* window = new QMainWindow;
    QMenu* help = window->menuBar()->addMenu(QStringLiteral("&Help"));
    help->addAction(QStringLiteral("&About"));
    window->menuBar()->addAction(QStringLiteral("&Donate"));

    auto* client = new QWidget(window);
    client->setFixedSize(twipsSize(8565, 6840));
    window->setCentralWidget(client);
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);

    auto* list = new QListWidget(client);
    list->setGeometry(twipsRect(120, 3945, 2295, 2175));
    for (int item = 1; item <= 16; ++item)
        list->addItem(QStringLiteral("Topic %1").arg(item));
    auto* text = new QTextEdit(client);
    text->setGeometry(twipsRect(2520, 1200, 6000, 4400));
    text->setPlainText(QStringLiteral("A few lines of text, so that the view lays some out."));
    return window;
}

} // namespace

void useQuietSettings(const QString& folder)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder);
}

bool writeQuietSettings(const QString& folder)
{
    useQuietSettings(folder);
    // The reminder stays silent when it last ran today.
    return SettingsStore().save(QStringLiteral("Duration"),
                                shortDateText(QDate::currentDate(), QLocale::system()));
}

// The same steps as the program's main(), with the settings kept in a folder of their own.
int runStartup(int argc, char* argv[], const QString& settingsFolder)
{
    QApplication app(argc, argv);
    QTemporaryDir ownFolder;
    if (settingsFolder.isEmpty()) {
        if (!ownFolder.isValid() || !writeQuietSettings(ownFolder.path()))
            return 1;
    } else {
        useQuietSettings(settingsFolder);
    }

    QApplication::setWindowIcon(programIcon());
    installFontSubstitutes();
    keepNoStyleDrawings();
    QtPlatform platform;
    startApplication(platform);
    QMainWindow* window = findMainWindow();
    if (!window)
        return 1;
    const int status = runUntilFirstFrame(window);
    ownFolder.remove();
    endAtOnce(status);
}

int runBaseline(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow* window = buildBareWindow();
    window->show();
    endAtOnce(runUntilFirstFrame(window));
}

} // namespace qvz::bench
