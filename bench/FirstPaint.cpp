// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "FirstPaint.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>

namespace qvz::bench {

namespace {

// A window that never paints would hang a benchmark run; this fails it instead.
constexpr int kPaintDeadlineMs = 60000;

} // namespace

FirstPaint::FirstPaint(QWidget* window) : QObject(window)
{
    window->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject*, QEvent* event)
{
    if (event->type() == QEvent::Paint && !seen_) {
        seen_ = true;
        // exit(), not quit(): quit() first closes every window, and closing the main
        // window opens the exit screen, which is no part of starting up.
        QMetaObject::invokeMethod(
            qApp, [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
    }
    return false;
}

int runUntilFirstFrame(QWidget* window)
{
    new FirstPaint(window);
    QTimer::singleShot(kPaintDeadlineMs, qApp, [] { QCoreApplication::exit(2); });
    const int status = QApplication::exec();
    if (status != 0)
        std::fprintf(stderr, "qvz-bench: no frame was painted\n");
    return status;
}

void endAtOnce(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace qvz::bench
