// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QTest>
#include <QWidget>
#include <type_traits>

namespace qvz {

// The control of the given type and name inside window, as tests and assistive tools find
// it. A missing control fails the current test function; the test goes on with a stand-in,
// never shown, so that the program's other functions still run.
template <typename T = QWidget> T* child(const QObject& window, const char* name)
{
    if (T* found = window.findChild<T*>(QLatin1String(name)))
        return found;
    QTest::qFail(qPrintable(QStringLiteral("no control %1").arg(QLatin1String(name))), __FILE__,
                 __LINE__);
    static_assert(std::is_default_constructible_v<T>, "a control type the tests can stand in for");
    static T* const standIn = new T;
    return standIn;
}

} // namespace qvz
