// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

namespace qvz {

class Platform;
struct PromotionLabels;

// Runs the start-up sequence and returns once the main window is shown (or, when
// another instance is running, after ending the process through exitProgram).
void startApplication(Platform& platform);

// Brings one of the main window's two promotional labels to the front for the run.
void CoBrand_Randomize(Platform& platform, const PromotionLabels& labels);

// The last draw of CoBrand_Randomize, 1 to 6 (0 before the first draw).
qint16 intCoBrandRandomNumber();

} // namespace qvz
