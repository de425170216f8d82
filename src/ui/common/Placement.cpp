// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/Placement.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QStyle>
#include <QWindow>
#include <algorithm>

namespace qvz {

namespace {

QList<QRect> availableAreas()
{
    QList<QRect> areas;
    const QScreen* primary = QGuiApplication::primaryScreen();
    if (primary)
        areas << primary->availableGeometry();
    for (const QScreen* screen : QGuiApplication::screens()) {
        if (screen != primary)
            areas << screen->availableGeometry();
    }
    return areas;
}

// What the platform knows of a window's frame. X11 may read a frame off a window that its
// window manager has not framed yet: such a reading, past the window's edges, is none.
QMargins knownFrameMargins(const QWidget& window)
{
    const QWindow* handle = window.windowHandle();
    const QMargins margins = handle ? handle->frameMargins() : QMargins();
    const bool surrounds =
        margins.left() >= 0 && margins.top() >= 0 && margins.right() >= 0 && margins.bottom() >= 0;
    return surrounds ? margins : QMargins();
}

// The frame around a window: as its platform knows it, which X11 does only once the window
// has been on the screen; until then as around another open window, or else the frame the
// style draws around a window of its own.
QMargins expectedFrameMargins(const QWidget& window)
{
    const QMargins own = knownFrameMargins(window);
    if (!own.isNull())
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets()) {
        const QMargins margins = knownFrameMargins(*other);
        if (other->isVisible() && !margins.isNull())
            return margins;
    }
    const QStyle* style = window.style();
    const int border = style->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, &window);
    const int title = style->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
    return QMargins(border, title, border, border);
}

QRect anchorFor(const QWidget& window, const QRect& anchor)
{
    if (anchor.isNull() && window.parentWidget())
        return window.parentWidget()->window()->geometry();
    return anchor;
}

// Lays the window out and creates it at the size it will be shown at, so that a platform
// that knows its frame before it is on the screen can tell; then the frame it will get.
QMargins prepareWindow(QWidget& window)
{
    window.ensurePolished();
    if (window.layout())
        window.layout()->activate();
    window.winId();
    return expectedFrameMargins(window);
}

// Of the monitors' available areas, the one that shows most of anchor; the first (the
// primary monitor's) when none shows any of it, as for an empty anchor.
QRect areaShowing(const QRect& anchor, const QList<QRect>& areas)
{
    QRect chosen = areas.value(0);
    qint64 most = 0;
    for (const QRect& area : areas) {
        const QRect shown = area.intersected(anchor);
        const qint64 size = qint64(shown.width()) * shown.height();
        if (size > most) {
            most = size;
            chosen = area;
        }
    }
    return chosen;
}

} // namespace

QRect placeFrame(const QSize& frame, const QList<QRect>& areas, const QRect& anchor)
{
    const QRect area = areaShowing(anchor, areas);
    QRect placed(QPoint(), frame);
    placed.moveCenter(area.center());
    // Back inside past the right or bottom edge, but never out past the left or top one.
    placed.moveLeft(
        std::max(area.left(), std::min(placed.left(), area.left() + area.width() - frame.width())));
    placed.moveTop(
        std::max(area.top(), std::min(placed.top(), area.top() + area.height() - frame.height())));
    return placed;
}

void placeWindow(QWidget& window, const QRect& anchor)
{
    const QMargins margins = prepareWindow(window);
    const QRect frame =
        placeFrame(window.size().grownBy(margins), availableAreas(), anchorFor(window, anchor));
    // Qt moves the client area of an existing window, to past as much of its frame as it
    // knows of.
    const QMargins known = knownFrameMargins(window);
    window.move(frame.topLeft() +
                QPoint(margins.left() - known.left(), margins.top() - known.top()));
}

int heightBeyondScreen(QWidget& window, const QRect& anchor)
{
    const QList<QRect> areas = availableAreas();
    if (areas.isEmpty())
        return 0;
    const QMargins margins = prepareWindow(window);
    const int frame = window.height() + margins.top() + margins.bottom();
    return std::max(0, frame - areaShowing(anchorFor(window, anchor), areas).height());
}

} // namespace qvz
