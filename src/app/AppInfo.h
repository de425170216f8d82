#pragma once

#include <QString>

namespace qvz {

// Caption of every message box that has none of its own.
inline QString applicationTitle()
{
    return QStringLiteral("QV Zodiqa");
}

// Caption of every window of the program.
inline QString windowCaption()
{
    return QStringLiteral("QV Zodiqa v1.75");
}

} // namespace qvz
