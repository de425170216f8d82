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

} // namespace qvz
