// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

namespace qvz {

class Platform;

// Unloads every loaded window, then ends the process with status 0.
void exitProgram(Platform& platform);

} // namespace qvz
