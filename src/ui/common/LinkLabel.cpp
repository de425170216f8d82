// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/LinkLabel.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextLayout>

namespace qvz {

namespace {

// Breaks the text into lines of the width, one below the other; answers their height.
qreal layOutLines(QTextLayout& layout, int width)
{
    qreal height = 0;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, height));
        height += line.height();
    }
    layout.endLayout();
    return height;
}

} // namespace

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

void LinkLabel::wrapAfterDots()
{
    wrapsAfterDots_ = true;
    updateGeometry();
    update();
}

// A zero-width space after a dot is a place where a line may end; it is drawn as nothing.
QString LinkLabel::shownText() const
{
    QString shown = text();
    return wrapsAfterDots_ ? shown.replace(QLatin1Char('.'), QStringLiteral(".\u200B")) : shown;
}

// As a plain label lays out its text, with the lines ending where the shown text may.
int LinkLabel::heightForWidth(int width) const
{
    if (!wrapsAfterDots_)
        return QLabel::heightForWidth(width);
    const QMargins margins = contentsMargins();
    const QRect room(0, 0, width - margins.left() - margins.right(), 2000);
    return fontMetrics()
               .boundingRect(room, int(alignment()) | Qt::TextWordWrap, shownText())
               .height() +
           margins.top() + margins.bottom();
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

// The text as a focusable label draws it, then a dotted frame in the text's own colour, as
// Windows draws it: the style's frame takes the highlight colour, which vanishes on a label
// drawn on the highlight colour. A label that takes the focus would draw its text through a
// whole text document; drawing it here costs the first frame a fraction of that.
void LinkLabel::paintEvent(QPaintEvent*)
{
    drawShownText();
    if (!hasFocus())
        return;
    QPainter painter(this);
    painter.setPen(QPen(palette().color(foregroundRole()), 1, Qt::DotLine));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

// As a label that takes the focus draws its text: laid out line by line, each line as tall
// as its rounded-up height, the block centred at a fraction of a pixel where it falls.
void LinkLabel::drawShownText()
{
    const QRect room = contentsRect();
    QTextLayout layout(shownText(), font(), this);
    QTextOption option(alignment());
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    const qreal free = room.height() - layOutLines(layout, room.width());
    qreal top = 0;
    if (alignment() & Qt::AlignVCenter)
        top = qMax(free / 2, qreal(0));
    else if (alignment() & Qt::AlignBottom)
        top = qMax(free, qreal(0));
    QPainter painter(this);
    painter.setPen(palette().color(foregroundRole()));
    layout.draw(&painter, QPointF(room.left(), room.top() + top));
}

} // namespace qvz
