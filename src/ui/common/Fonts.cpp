#include "ui/common/Fonts.h"

#include <QStringList>

namespace qvz {

void installFontSubstitutes()
{
    const QStringList fallbacks = {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), fallbacks);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), fallbacks);
}

QFont verdana(qreal points, bool bold, bool underline)
{
    QFont font(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont msSansSerif(qreal points)
{
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    return font;
}

} // namespace qvz
