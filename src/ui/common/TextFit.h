// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

class QWidget;

namespace qvz {

// How a control whose text needs more room than its box gets it. Host names are chosen at
// build time and fonts differ between systems, so a text may outgrow the layout's box.
enum class TextFit {
    Downwards,   // taller, keeping its top edge: for text that wraps
    Leftwards,   // wider, keeping its right edge
    BothSides,   // wider, keeping its centre
    SmallerFont, // the box stays: the font steps down a quarter point at a time, to 6 points
};

// Gives the control the room its text needs, as fit says; a text that fits changes nothing.
void fitToText(QWidget* control, TextFit fit);

} // namespace qvz
