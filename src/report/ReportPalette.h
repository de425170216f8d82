// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QRgb>

// The report's four colours, the only ones its document uses.
namespace qvz::reportPalette {

constexpr QRgb kTitle = qRgb(128, 0, 128);   // purple: the title line
constexpr QRgb kHeading = qRgb(0, 128, 128); // teal: every section heading
constexpr QRgb kLabel = qRgb(128, 0, 0);     // dark red: the labels of the fact lines
constexpr QRgb kBody = qRgb(0, 0, 0);        // black: values, texts and family lines

} // namespace qvz::reportPalette
