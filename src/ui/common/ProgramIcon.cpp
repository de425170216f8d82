#include "ui/common/ProgramIcon.h"

#include <QApplication>

namespace qvz {

QIcon programIcon()
{
    // Decoding every drawn size costs about as much as building a whole window.
    const QIcon shared = QApplication::windowIcon();
    if (!shared.isNull())
        return shared;
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icon-%1.png").arg(size), QSize(size, size));
    return icon;
}

QPixmap programIconPicture()
{
    return QPixmap(QStringLiteral(":/icon-32.png"));
}

} // namespace qvz
