// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/ProgramIcon.h"

#include "ui/common/ReadyImage.h"

#include <QApplication>

namespace qvz {

namespace {

QPixmap iconPicture(int size)
{
    return QPixmap::fromImage(readyImage(QStringLiteral(":/icon-%1.argb32").arg(size)));
}

} // namespace

QIcon programIcon()
{
    // Start-up gives the icon to the application; every window then shares that copy.
    const QIcon shared = QApplication::windowIcon();
    if (!shared.isNull())
        return shared;
    // Captions and task bars use the small sizes; the large ones serve the desktop's
    // launchers, which read the installed files.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addPixmap(iconPicture(size));
    return icon;
}

QPixmap programIconPicture()
{
    return iconPicture(32);
}

} // namespace qvz
