// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Writes the report the program composes today as tests/data/report.expected. Run only on
// purpose (make regenerate-expected-report), then review the difference before committing.
#include "profile/SignProfile.h"
#include "support/ExpectedReport.h"

#include <QFile>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <report.expected>\n", argv[0]);
        return 2;
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(file.errorString()));
        return 1;
    }
    // The tags are split so that licence tools read them in the written file only.
    file.write(
        "# SPDX-"
        "FileCopyrightText: 2026 Orvane Softwares\n"
        "# SPDX-"
        "License-Identifier: MIT\n"
        "#\n"
        "# The report as the report window shows it, reviewed: one run a line, bold or plain,\n"
        "# its colour, then its text, a line break written as \\r\\n. Written by\n"
        "# `make regenerate-expected-report`; a change to it is a change the user sees.\n");
    for (const QString& line : qvz::describeRuns(qvz::composeReport(qvz::signProfile())))
        file.write(line.toUtf8() + '\n');
    return file.flush() ? 0 : 1;
}
