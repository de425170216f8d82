// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/TextFit.h"

#include <QWidget>
#include <algorithm>

namespace qvz {

namespace {

void shrinkFont(QWidget* control)
{
    QFont font = control->font();
    while (control->sizeHint().width() > control->width() && font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        control->setFont(font);
    }
}

} // namespace

void fitToText(QWidget* control, TextFit fit)
{
    if (fit == TextFit::SmallerFont) {
        shrinkFont(control);
        return;
    }
    const int width = control->width();
    if (fit == TextFit::Downwards) {
        control->resize(width, std::max(control->height(), control->heightForWidth(width)));
        return;
    }
    const int more = control->sizeHint().width() - width;
    if (more <= 0)
        return;
    QRect rect = control->geometry();
    rect.setLeft(rect.left() - (fit == TextFit::Leftwards ? more : (more + 1) / 2));
    rect.setWidth(width + more);
    control->setGeometry(rect);
}

} // namespace qvz
