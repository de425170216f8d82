// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

class QTextEdit;

namespace qvz {

class Platform;

// Makes the web addresses in the report view clickable: every address the view holds is
// shown as a link whenever its text changes, and a left-button press on an address opens
// the text under it through the given platform. The wiring belongs to the view and ends
// with it; views wired apart open apart.
void wireReportLinks(Platform& platform, QTextEdit* view);

} // namespace qvz
