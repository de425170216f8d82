// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

class QTextEdit;

namespace qvz {

class Platform;

// Makes the web addresses in the report view clickable: every address the view holds is
// shown as a link whenever its text changes, and a left-button press on an address opens
// the text under it. The view is remembered process-wide (one report window exists at a
// time); each wiring replaces the previous one's.
void wireReportLinks(Platform& platform, QTextEdit* view);

} // namespace qvz
