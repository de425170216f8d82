#pragma once

#include <QIcon>

namespace qvz {

// The program icon in every size it is drawn at, for captions, task bars and docks.
QIcon programIcon();

} // namespace qvz
