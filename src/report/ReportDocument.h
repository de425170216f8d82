// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "report/ReportComposer.h"

#include <QList>

class QTextCursor;

namespace qvz {

// Inserts the runs at the cursor, each with its own bold and colour, leaving the cursor
// behind the last; every CR LF becomes a paragraph break.
void insertReportRuns(QTextCursor& cursor, const QList<ReportRun>& runs);

} // namespace qvz
