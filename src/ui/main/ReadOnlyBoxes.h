// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QRect;
class QWidget;

namespace qvz {

// A single-line box the user can select and copy from but not change.
QLineEdit* makeFactBox(const QString& name, const QString& accessibleName, const QRect& rect,
                       QWidget* parent);

// A word-wrapped, vertically scrolling box the user can select and copy from but not change.
QPlainTextEdit* makeTextBox(const QString& name, const QString& accessibleName, const QRect& rect,
                            QWidget* parent);

// Puts the text into a box made by makeFactBox or makeTextBox.
void setBoxText(QWidget* box, const QString& text);

} // namespace qvz
