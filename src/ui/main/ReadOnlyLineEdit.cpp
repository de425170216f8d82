// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#include "ui/main/ReadOnlyLineEdit.h"

#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleHints>

namespace qvz {

ReadOnlyLineEdit::ReadOnlyLineEdit(QWidget* parent) : QLineEdit(parent)
{
    setReadOnly(true);
    setFrame(false);
    connect(&blinkTimer_, &QTimer::timeout, this, &ReadOnlyLineEdit::blink);
    // A caret that moves shows at once, as in any text box.
    connect(this, &QLineEdit::cursorPositionChanged, this, &ReadOnlyLineEdit::showCaret);
}

void ReadOnlyLineEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    showCaret();
}

void ReadOnlyLineEdit::focusOutEvent(QFocusEvent* event)
{
    blinkTimer_.stop();
    caretOn_ = false;
    QLineEdit::focusOutEvent(event);
    update();
}

void ReadOnlyLineEdit::showCaret()
{
    if (!hasFocus())
        return;
    caretOn_ = true;
    // A flash time of 0 asks for a caret that does not blink.
    const int flashTime = QGuiApplication::styleHints()->cursorFlashTime();
    if (flashTime > 0)
        blinkTimer_.start(flashTime / 2);
    else
        blinkTimer_.stop();
    update();
}

void ReadOnlyLineEdit::blink()
{
    caretOn_ = !caretOn_;
    update();
}

// The thin line, then the caret: Qt's rectangle around it is centred on it and spans the
// line of text.
void ReadOnlyLineEdit::paintEvent(QPaintEvent* event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::Shadow));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
    if (!caretOn_)
        return;
    const QRectF around = cursorRect();
    const int width = qMax(1, style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this));
    const int left = qRound(around.center().x() - (width - 1) / 2.0);
    painter.fillRect(QRect(left, int(around.top()), width, int(around.height())),
                     palette().brush(QPalette::Text));
}

} // namespace qvz
