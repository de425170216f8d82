// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#include "ui/common/ProgramPalette.h"

#include <QPixmapCache>
#include <QWidget>

namespace qvz {

namespace {

const QColor kFace(239, 239, 239);
// A blue dark enough that white text on it, as in a selection or the main window's
// banner, stands out by well over 4.5 : 1.
const QColor kHighlight(0, 103, 192);
// Disabled and placeholder text, still readable on the window's grey.
const QColor kGreyText(96, 96, 96);

QColor colourOf(QPalette::ColorGroup group, QPalette::ColorRole role)
{
    const bool disabled = group == QPalette::Disabled;
    switch (role) {
    case QPalette::WindowText:
    case QPalette::Text:
    case QPalette::ButtonText:
        return disabled ? kGreyText : QColor(Qt::black);
    case QPalette::PlaceholderText:
        return kGreyText;
    case QPalette::Window:
    case QPalette::Button:
        return kFace;
    case QPalette::Base:
        return disabled ? kFace : QColor(Qt::white);
    case QPalette::AlternateBase:
        return QColor(247, 247, 247);
    case QPalette::Light:
    case QPalette::BrightText:
    case QPalette::HighlightedText:
        return Qt::white;
    case QPalette::Midlight:
        return QColor(202, 202, 202);
    case QPalette::Mid:
        return QColor(184, 184, 184);
    case QPalette::Dark:
        return disabled ? QColor(190, 190, 190) : QColor(159, 159, 159);
    case QPalette::Shadow:
        return disabled ? QColor(177, 177, 177) : QColor(118, 118, 118);
    case QPalette::Link:
        return Qt::blue;
    case QPalette::LinkVisited:
        return Qt::magenta;
    case QPalette::ToolTipBase:
        return QColor(255, 255, 220);
    case QPalette::ToolTipText:
        return Qt::black;
    default: // the highlight, and any role a later Qt adds, such as the accent
        return kHighlight;
    }
}

} // namespace

// Every role of every group is set, so that nothing of a dark desktop palette shows through.
QPalette programPalette()
{
    QPalette palette;
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            if (role == QPalette::NoRole)
                continue;
            const auto colourGroup = QPalette::ColorGroup(group);
            const auto colourRole = QPalette::ColorRole(role);
            palette.setColor(colourGroup, colourRole, colourOf(colourGroup, colourRole));
        }
    }
    return palette;
}

void applyProgramPalette(QWidget& window)
{
    window.setPalette(programPalette());
}

void keepNoStyleDrawings()
{
    QPixmapCache::setCacheLimit(0);
}

} // namespace qvz
