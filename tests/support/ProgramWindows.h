// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "support/FakePlatform.h"
#include "ui/exit/frmNagScreen2.h"
#include "ui/main/frmAbout.h"
#include "ui/main/frmMain.h"
#include "ui/report/frmSave.h"

#include <QList>
#include <QStyle>

class QGroupBox;

namespace qvz {

// Every window of the program at once, each a top-level window of its own so that
// walking one never wanders into another, all on one fake platform. Every panel of the
// main window is built, as if each topic had been chosen once; the first is in front.
struct ProgramWindows {
    ProgramWindows();

    FakePlatform platform;
    frmMain main{platform};
    frmAbout about{platform};
    frmSave report{platform};
    frmNagScreen2 exitScreen{platform};

    QList<QWidget*> all() { return {&main, &about, &report, &exitScreen}; }
    // Brings the main window's panel of the given topic to the front, by its list.
    void showTopic(int row);
    int topicCount();

    // Shows every window and waits until each is on screen; false when one never is.
    bool showAll();
};

// Where the window's style puts a part of a frame: its title, or the room inside it.
QRect groupBoxPart(const QGroupBox* box, QStyle::SubControl part);

} // namespace qvz
