// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>

class QWidget;

namespace qvz::bench {

// Quits the event loop once the watched window has painted its first frame. The quit is
// queued, so the paint of every child in that frame and the flush finish first.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(QWidget* window);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool seen_ = false;
};

// Runs the event loop until the first frame of window; returns the exit status.
int runUntilFirstFrame(QWidget* window);

// Ends the process at once: tearing down is not part of starting up, and both window
// modes skip it alike. What the run made on disk must be removed before.
[[noreturn]] void endAtOnce(int status);

} // namespace qvz::bench
