// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPoint;
class QRect;
class QWidget;

namespace qvz {

// A single-line box the user can select and copy from but not change.
QLineEdit* makeFactBox(const QString& name, const QString& accessibleName, const QRect& rect,
                       QWidget* parent);

// A word-wrapped, vertically scrolling box the user can select and copy from but not change.
QPlainTextEdit* makeTextBox(const QString& name, const QString& accessibleName, const QRect& rect,
                            QWidget* parent);

// The caption above or beside a box, sized to its text, with its hint as tooltip.
QLabel* makeCaption(const QString& name, const QString& text, const QString& hint,
                    const QPoint& topLeft, QWidget* parent);

// Puts the text into a box made by makeFactBox or makeTextBox.
void setBoxText(QWidget* box, const QString& text);

} // namespace qvz
