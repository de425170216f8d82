// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "profile/ProfileTopic.h"
#include "ui/main/ProfileBoxes.h"

#include <array>

class QGroupBox;
class QWidget;

namespace qvz {

class LinkLabel;

// What the panels hold that the window binds: the panel of each topic position, the
// boxes of the profile fields and the links of the update panel.
struct TopicPanels {
    std::array<QGroupBox*, kTopicCount> panels{};
    ProfileBoxes boxes;
    LinkLabel* lblForum = nullptr;
    LinkLabel* lblAstrology = nullptr;
    LinkLabel* lblDaily = nullptr;
};

// Builds Frame1 to Frame16, in topic order, all on the same rectangle of the client
// area, so that the one raised last is the one seen.
TopicPanels buildTopicPanels(QWidget* client);

} // namespace qvz
