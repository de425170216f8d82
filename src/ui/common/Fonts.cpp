// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/Fonts.h"

#include <QGuiApplication>
#include <QStringList>

namespace qvz {

namespace {

// The program's texts are plain English: Latin script needs no OpenType shaping, and
// skipping it makes laying out the long profile texts several times cheaper.
QFont programFont(const QString& family)
{
    QFont font(family);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

} // namespace

void installFontSubstitutes()
{
    const QStringList fallbacks = {QStringLiteral("DejaVu Sans"), QStringLiteral("Sans Serif")};
    QFont::insertSubstitutions(QStringLiteral("Verdana"), fallbacks);
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), fallbacks);
}

QFont verdana(qreal points, bool bold, bool underline)
{
    QFont font = programFont(QStringLiteral("Verdana"));
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setUnderline(underline);
    return font;
}

QFont fixedTextFont(qreal points, bool bold, bool underline)
{
    QFont font = verdana(points, bold, underline);
    font.setStyleStrategy(QFont::StyleStrategy(font.styleStrategy() | QFont::NoFontMerging));
    return font;
}

QFont msSansSerif(qreal points)
{
    QFont font = programFont(QStringLiteral("MS Sans Serif"));
    font.setPointSizeF(points);
    return font;
}

DefaultFontWhileBuilding::DefaultFontWhileBuilding(const QFont& font)
    : saved_(QGuiApplication::font())
{
    // QApplication::setFont would also drop the fonts of widget classes.
    QGuiApplication::setFont(font);
}

DefaultFontWhileBuilding::~DefaultFontWhileBuilding()
{
    QGuiApplication::setFont(saved_);
}

} // namespace qvz
