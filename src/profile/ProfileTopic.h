#pragma once

#include <QString>
#include <array>

namespace qvz {

// One entry of the main window's topic list and the panel it brings forward.
struct ProfileTopic {
    int position;
    QString text;      // list text and panel caption
    QString panelName; // object name of the panel: "Frame1" to "Frame16"
};

constexpr int kTopicCount = 16;

const std::array<ProfileTopic, kTopicCount>& profileTopics();

} // namespace qvz
