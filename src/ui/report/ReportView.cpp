// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/ReportView.h"

#include "report/ReportDocument.h"
#include "ui/common/Fonts.h"

#include <QTextCursor>
#include <QTextEdit>

namespace qvz {

void setReportViewFont(QTextEdit& view)
{
    view.setFont(verdana(9.75));
}

void fillReportView(QTextEdit& view, const QList<ReportRun>& runs)
{
    QTextCursor cursor = view.textCursor();
    insertReportRuns(cursor, runs);
    view.setTextCursor(cursor);
}

} // namespace qvz
