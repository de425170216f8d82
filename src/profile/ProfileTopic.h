// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <array>

namespace qvz {

// One entry of the main window's topic list; the window binds each position to its panel.
struct ProfileTopic {
    int position;
    QString text; // list text and panel caption
};

constexpr int kTopicCount = 16;

const std::array<ProfileTopic, kTopicCount>& profileTopics();

} // namespace qvz
