#include "ui/main/frmMain.h"

#include "app/AppInfo.h"

namespace qvz {

frmMain::frmMain(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(windowCaption());
}

} // namespace qvz
