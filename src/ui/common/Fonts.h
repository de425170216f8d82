// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QFont>

namespace qvz {

// Maps Verdana and MS Sans Serif onto metric-similar fonts where the system lacks them.
void installFontSubstitutes();

QFont verdana(qreal points, bool bold = false, bool underline = false);
QFont msSansSerif(qreal points);

} // namespace qvz
