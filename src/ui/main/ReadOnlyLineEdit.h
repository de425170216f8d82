// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include <QLineEdit>
#include <QTimer>

namespace qvz {

// A read-only single-line box that shows its caret while it has the focus, as every
// text box does, so a keyboard user sees where a selection starts. Qt hides the caret
// of a read-only line edit; this one draws it, blinking at the desktop's rate. It has the
// flat look: a thin line in the palette's shadow colour instead of the sunken edge.
class ReadOnlyLineEdit : public QLineEdit {
public:
    explicit ReadOnlyLineEdit(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void showCaret();
    void blink();

    QTimer blinkTimer_;
    bool caretOn_ = false;
};

} // namespace qvz
