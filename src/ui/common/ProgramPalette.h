// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include <QPalette>

class QWidget;

namespace qvz {

// The light colours the windows were designed on, whatever the desktop's theme: their
// fixed text colours are readable on these and on nothing darker.
QPalette programPalette();

// Gives a top-level window, or a menu that opens as one, the program's palette. Called
// before its controls are added, so that they start from these colours.
void applyProgramPalette(QWidget& window);

// The style caches its drawings of buttons, frames and scroll bars under the palette of
// their window, and a window given its own palette never shares it with a later one: a
// destroyed window's drawings are never used again. Qt would keep them until its cache is
// full (10 MiB), and their names for good; a window that opens often lets them go.
void releaseWindowDrawings();

} // namespace qvz
