// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QRect>

namespace qvz {

struct ProfileTopic;

// The rectangle of the client area that every topic's panel covers.
QRect topicPanelRect();

// Where a panel puts its boxes, in twips: the first at top, each next one step lower;
// the captions of fact rows stand at captionLeft.
struct PanelLayout {
    int captionLeft;
    int boxLeft;
    int top;
    int boxWidth;
    int boxHeight;
    int step;
};

// How the topic's panel lays out its fields: as every topic of its kind, unless the topic
// is one of the few laid out otherwise.
const PanelLayout& panelLayout(const ProfileTopic& topic);

// Where a key fact stands above the panels: its caption's top left and its box.
struct KeyFactPlace {
    QPoint caption;
    QRect box;
};

// The key facts' places, two by two, read from the top left.
const QList<KeyFactPlace>& keyFactPlaces();

} // namespace qvz
