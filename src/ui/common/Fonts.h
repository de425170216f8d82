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

// While it lives, the application's default font is the given one. A QLineEdit lays out
// its empty text in the default font as it is made, and a focusable label's text document
// as it is polished, before each takes its own font, and so load the default font though
// nothing shows it; lending a window's own font while its controls are made and polished
// spares that. Only the default changes: the fonts Qt keeps per widget class stay as they
// are, and no widget is told of the change, so a window made meanwhile would keep the
// lent font. Lend it only to controls made inside a window whose font is set.
class DefaultFontWhileBuilding {
public:
    explicit DefaultFontWhileBuilding(const QFont& font);
    ~DefaultFontWhileBuilding();
    DefaultFontWhileBuilding(const DefaultFontWhileBuilding&) = delete;
    DefaultFontWhileBuilding& operator=(const DefaultFontWhileBuilding&) = delete;

private:
    QFont saved_;
};

} // namespace qvz
