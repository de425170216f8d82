// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>

class QApplication;

namespace qvz {

// The platform to ask Qt for. On a Wayland desktop that also runs XWayland (DISPLAY is
// set), X11: only an X server lets the program centre its windows and keep the exit
// screen on top. A platform the user chose (QT_QPA_PLATFORM, -platform) is kept; empty
// leaves the choice to Qt.
QByteArray preferredPlatform(int argc, char* argv[]);

// Natively on Wayland the compositor may maximise any window, and a window that keeps its
// fixed size then breaks the protocol, which ends the program. There every window may
// take the size the compositor gives it; its layout stays as it is.
void acceptCompositorSizes(QApplication& app);

} // namespace qvz
