// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <qnamespace.h>

class QSize;
class QWidget;

namespace qvz {

// Sets up a window of a size that cannot change, with only a close box: its name, the
// program's caption, icon and colours, and Verdana 8.25 as its font. A dialog unless kind
// says otherwise.
void setUpFixedWindow(QWidget& window, const char* name, const QSize& size,
                      Qt::WindowFlags kind = Qt::Dialog);

} // namespace qvz
