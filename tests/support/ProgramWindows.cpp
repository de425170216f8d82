#include "support/ProgramWindows.h"

#include <QtTest>

namespace qvz {

bool ProgramWindows::showAll()
{
    bool exposed = true;
    for (QWidget* window : all()) {
        window->show();
        exposed &= QTest::qWaitForWindowExposed(window);
    }
    return exposed;
}

} // namespace qvz
