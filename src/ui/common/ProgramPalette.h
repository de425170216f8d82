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

// The style keeps a drawing of each button, frame and scroll bar it paints, named after
// the colours of its control. In Qt 6.4 every control's colours carry a name of their own,
// even where they equal another's, so a drawing is never used for another control, and a
// closed window's drawings are never used again. Their names outlive even a clearing of
// the cache: about 1 KiB for each opening of the report. Called once at start-up, before
// the first window: controls are drawn afresh each time, and nothing is kept.
void keepNoStyleDrawings();

} // namespace qvz
