// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace qvz {

LinkLabel::LinkLabel(const QString& name, const QString& text, const QColor& colour,
                     QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    // The zero-width spaces that let a long address wrap are no part of what it says.
    setAccessibleName(QString(text).remove(QChar(0x200B)));
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

// A dotted frame in the text's own colour, as Windows draws it: the style's frame takes
// the highlight colour, which vanishes on a label drawn on the highlight colour.
void LinkLabel::paintEvent(QPaintEvent* event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace qvz
