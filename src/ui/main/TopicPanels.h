// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/main/ProfileBoxes.h"

class QGroupBox;
class QWidget;

namespace qvz {

class LinkLabel;
struct ProfileTopic;

// A topic's panel as built, with what the window binds: the boxes of the topic's fields,
// in the topic's order, and the links of the update panel.
struct TopicPanel {
    QGroupBox* panel = nullptr;
    ProfileBoxes boxes;
    LinkLabel* lblForum = nullptr;
    LinkLabel* lblAstrology = nullptr;
    LinkLabel* lblDaily = nullptr;
};

// Builds the panel of a topic, hidden, on the rectangle of the client area that every
// panel covers, laid out as the topic's kind lays out its fields. The boxes stay empty.
TopicPanel buildTopicPanel(const ProfileTopic& topic, QWidget* client);

} // namespace qvz
