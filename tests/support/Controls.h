// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QWidget>
#include <QtGlobal>

namespace qvz {

// The control of the given type and name inside window, as tests and assistive tools find
// it; a test cannot go on without it.
template <typename T = QWidget> T* child(const QObject& window, const char* name)
{
    T* found = window.findChild<T*>(QLatin1String(name));
    if (!found)
        qFatal("no control %s", name);
    return found;
}

} // namespace qvz
