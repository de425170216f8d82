// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "app/WindowSystem.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace qvz {

namespace {

bool platformChosen(int argc, char* argv[])
{
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0)
            return true;
    }
    return !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

void liftMaximumSize(QWidget* window)
{
    if (window->windowHandle())
        window->windowHandle()->setMaximumSize(QSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX));
}

// Lifts the limit once a window is shown, after the window has fixed its own size.
class SizeLimitLifter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            QTimer::singleShot(0, widget, [widget] { liftMaximumSize(widget); });
        return false;
    }
};

} // namespace

QByteArray preferredPlatform(int argc, char* argv[])
{
    const bool wayland =
        qgetenv("XDG_SESSION_TYPE") == "wayland" || !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (!wayland || qEnvironmentVariableIsEmpty("DISPLAY") || platformChosen(argc, argv))
        return QByteArray();
    // Natively on Wayland when the X server cannot be reached after all.
    return QByteArrayLiteral("xcb;wayland");
}

void acceptCompositorSizes(QApplication& app)
{
    if (QGuiApplication::platformName() == QLatin1String("wayland"))
        app.installEventFilter(new SizeLimitLifter(&app));
}

} // namespace qvz
