// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/LinkLabel.h"

#include <QMouseEvent>

namespace qvz {

LinkLabel::LinkLabel(const QString& name, const QString& text, const QColor& colour,
                     QWidget* parent)
    : QLabel(text, parent)
{
    setObjectName(name);
    setAccessibleName(text);
    setCursor(Qt::PointingHandCursor);
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

} // namespace qvz
