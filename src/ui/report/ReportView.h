// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "report/ReportComposer.h"

#include <QList>

class QTextEdit;

namespace qvz {

// Gives the view the report's one font: Verdana 9.75 pt, regular.
void setReportViewFont(QTextEdit& view);

// Appends the runs at the view's caret, each with its own bold and colour. The view is
// expected to be empty; every CR LF becomes a paragraph break.
void fillReportView(QTextEdit& view, const QList<ReportRun>& runs);

} // namespace qvz
