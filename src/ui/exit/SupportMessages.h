// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qvz {

constexpr int supportMessageCount = 4;

// Which support message a random value in [0, 1) picks: the integer part of the value
// times four, taken in single precision, and never outside 0 to 3.
int supportMessageIndex(float random);

// The support message with the given index, 0 to 3 (any other index gives the last one);
// each names the board's address.
QString supportMessage(int index);

} // namespace qvz
