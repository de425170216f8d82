// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QColor;
class QLabel;
class QPoint;
class QRect;
class QWidget;

namespace qvz {

class LinkLabel;

// The labels of the windows. Each carries its object name, and the text it shows is the
// name screen readers announce.

// One line of text at topLeft, as wide as its text and one line of the window's font
// high; a hint shows as its tooltip and is read as its description.
QLabel* addCaption(QWidget* parent, const char* name, const QString& text, const QPoint& topLeft,
                   const QString& hint = QString());

// Text that wraps inside its box, from the box's top left.
QLabel* addDescription(QWidget* parent, const char* name, const QString& text, const QRect& rect);

// A link in the given colour, which wraps unless told otherwise.
LinkLabel* addLink(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                   const QRect& rect);

// The program's icon as a picture inside a window.
QLabel* addIconPicture(QWidget* parent, const char* name, const QRect& rect);

} // namespace qvz
