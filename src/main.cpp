#include "app/Lifecycle.h"
#include "platform/QtPlatform.h"
#include "ui/common/Fonts.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    qvz::installFontSubstitutes();
    qvz::QtPlatform platform;
    qvz::startApplication(platform);
    return app.exec();
}
