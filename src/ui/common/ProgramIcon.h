// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QIcon>
#include <QPixmap>

namespace qvz {

// The program icon in the sizes window captions and task bars use.
// Once start-up has given it to the application, that decoded copy is shared.
QIcon programIcon();

// The 32 x 32 picture of the icon that windows show inside themselves.
QPixmap programIconPicture();

} // namespace qvz
