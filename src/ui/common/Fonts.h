// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

namespace qvz {

// Maps Verdana and MS Sans Serif onto metric-similar fonts where the system lacks them.
void installFontSubstitutes();

QFont verdana(qreal points, bool bold = false, bool underline = false);

// Verdana for texts the program writes itself, whose every character the font has: no
// fallback fonts are merged in, so none are looked for or loaded. Text a user may type
// or paste keeps verdana()'s fallbacks.
QFont fixedTextFont(qreal points, bool bold = false, bool underline = false);
QFont msSansSerif(qreal points);

} // namespace qvz
