// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QWidget;

namespace qvz {

// Moves a window so that its frame is centred on the screen it is on.
void centreOnScreen(QWidget& window);

// A plain label with its object name and its text as the name screen readers announce.
QLabel* addLabel(QWidget* parent, const char* name, const QString& text, const QRect& rect);

} // namespace qvz
