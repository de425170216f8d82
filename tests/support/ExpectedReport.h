// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "report/ReportComposer.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace qvz {

// The reviewed report, tests/data/report.expected: one run a line, as
//   bold #800080 "Libra\r\n\r\n"
// with "\r", "\n" and "\\" written as escapes. Comment lines start with "#".
QString describeRun(const ReportRun& run);
QStringList describeRuns(const QList<ReportRun>& runs);

// The runs of the reviewed report; a line it cannot read fails the current test.
QList<ReportRun> expectedReport();

// A section of the expected report: its heading (empty for the key facts above the first
// heading) and its text, each line break CR LF, without the breaks that end the section.
struct ReportSection {
    QString heading;
    QString text;
};
QList<ReportSection> expectedSections();

// The headings of the expected report, in order: the topics that have a section.
QStringList expectedHeadings();

} // namespace qvz
