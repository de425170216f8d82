// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace qvz {

LinkLabel::LinkLabel(const QString& name, const QString& text, const QColor& colour,
                     QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
    // Tab only: a click opens the page and leaves the focus where it was.
    setFocusPolicy(Qt::TabFocus);
    setWordWrap(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::WindowText, colour);
    setPalette(palette);
}

void LinkLabel::mousePressEvent(QMouseEvent* event)
{
    pressed_ = event->button() == Qt::LeftButton;
    QLabel::mousePressEvent(event);
}

void LinkLabel::bringInFrontOf(LinkLabel* behind)
{
    raise();
    setFocusPolicy(Qt::TabFocus);
    behind->setFocusPolicy(Qt::NoFocus);
}

// A click is a left press and release on the label, as with any button.
void LinkLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = pressed_ && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    pressed_ = false;
    QLabel::mouseReleaseEvent(event);
    if (click)
        emit clicked();
}

// The second press of a double click arrives as a double-click event, which a label
// would treat as one more press: the page would open twice.
void LinkLabel::mouseDoubleClickEvent(QMouseEvent* event)
{
    event->accept();
}

// Enter and Space act as a click; a key held down opens the page only once.
void LinkLabel::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    const bool activates = key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Space;
    if (!activates || (event->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) {
        QLabel::keyPressEvent(event);
        return;
    }
    event->accept();
    if (!event->isAutoRepeat())
        emit clicked();
}

// Some styles draw a focus frame only after a key moved the focus; a label has the focus
// only then, so the frame is always asked for.
void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.state |= QStyle::State_KeyboardFocusChange | QStyle::State_HasFocus;
    option.backgroundColor = palette().color(backgroundRole());
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
}

} // namespace qvz
