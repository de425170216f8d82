// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QRect>
#include <QString>

class QWidget;

namespace qvz {

// Where a window's frame goes among the monitors' available areas (the primary monitor's
// first): centred on the area that shows most of anchor, or on the first where none shows
// any of it. A frame too wide or too tall keeps its top-left corner, and so its title
// bar, inside the area.
QRect placeFrame(const QSize& frame, const QList<QRect>& areas, const QRect& anchor);

// Moves a window, frame and title bar included, to where placeFrame puts it on the
// monitors. An empty anchor stands for the window's parent, if it has one; a window
// without either opens on the primary monitor, where the main window opens.
void placeWindow(QWidget& window, const QRect& anchor = QRect());

// How much taller the window with its frame is than the room on the monitor it opens on.
int heightBeyondScreen(QWidget& window, const QRect& anchor = QRect());

} // namespace qvz
