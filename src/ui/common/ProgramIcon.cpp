// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/ProgramIcon.h"

#include <QApplication>

namespace qvz {

QIcon programIcon()
{
    // Decoding every drawn size costs about as much as building a whole window.
    const QIcon shared = QApplication::windowIcon();
    if (!shared.isNull())
        return shared;
    // Qt decodes each file as it is added. Captions and task bars use the small sizes;
    // the large ones serve the desktop's launchers, which read the installed files.
    QIcon icon;
    for (int size : {16, 32, 48, 64})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programIconPicture()
{
    return QPixmap(QStringLiteral(":/icon-32.png"));
}

} // namespace qvz
