#pragma once

#include "profile/ProfileTopic.h"

#include <array>

class QGroupBox;
class QWidget;

namespace qvz {

// Builds Frame1 to Frame16, in topic order, all on the same rectangle of the client
// area, so that the one raised last is the one seen.
std::array<QGroupBox*, kTopicCount> buildTopicPanels(QWidget* client);

} // namespace qvz
