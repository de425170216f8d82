// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/ProfileTopic.h"

namespace qvz {

namespace {

std::array<ProfileTopic, kTopicCount> makeTopics()
{
    const char* const texts[kTopicCount] = {
        "Planets Associated", "Lucky Charm",       "General Traits",       "Positive Traits",
        "Negative Traits",    "Friendship Traits", "Compatibility Traits", "Libra As Family",
        "Common Profession",  "Health Concern",    "Financial Habits",     "Fashion Style",
        "Travel Habits",      "Love And Romance",  "Famous Personalities", "Update",
    };
    std::array<ProfileTopic, kTopicCount> topics;
    for (int i = 0; i < kTopicCount; ++i)
        topics[i] = {i, QLatin1String(texts[i])};
    return topics;
}

} // namespace

const std::array<ProfileTopic, kTopicCount>& profileTopics()
{
    static const auto topics = makeTopics();
    return topics;
}

} // namespace qvz
