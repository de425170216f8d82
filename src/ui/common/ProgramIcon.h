#pragma once

#include <QIcon>
#include <QPixmap>

namespace qvz {

// The program icon in every size it is drawn at, for window captions and task bars.
// Once start-up has given it to the application, that decoded copy is shared.
QIcon programIcon();

// The 32 x 32 picture of the icon that windows show inside themselves.
QPixmap programIconPicture();

} // namespace qvz
