// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QTextEdit>

class QMessageBox;

namespace qvz {

// A message's text that wraps between words and, where one word is longer than the line
// (a long path), at any character: nothing is added to what is read out or copied.
class MessageText : public QTextEdit {
public:
    MessageText(const QString& text, QWidget* parent);

    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int width) const override;
    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;
};

// Puts a MessageText in place of the label that shows the box's text.
void wrapAnywhere(QMessageBox& box);

} // namespace qvz
