// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>

// The fixed colours of the windows' texts and frames, beside the palette they stand on
// (ProgramPalette); the report's own colours are in report/ReportPalette.h.
namespace qvz {

inline constexpr QColor kLinkBlue(0, 0, 255);      // link labels on the window's grey
inline constexpr QColor kNavy(0, 0, 128);          // the exit screen's frame and referral form
inline constexpr QColor kBoardBlue(0, 0, 192);     // the exit screen's check box
inline constexpr QColor kLinkYellow(255, 255, 0);  // the link on the exit screen's navy
inline constexpr QColor kAboutOrange(255, 128, 0); // the about window's background

} // namespace qvz
