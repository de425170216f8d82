// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "Instructions.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace qvz::bench {

namespace {

// callgrind's output ends with the total count: "totals: 87112763".
double totalIn(const QString& callgrindOutput)
{
    QFile file(callgrindOutput);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 0;
    double total = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine();
        if (line.startsWith("totals:"))
            total = line.mid(7).trimmed().toDouble();
    }
    return total;
}

} // namespace

double countInstructions(const QStringList& arguments)
{
    const QString valgrind = QStandardPaths::findExecutable(QStringLiteral("valgrind"));
    QTemporaryDir folder;
    if (valgrind.isEmpty() || !folder.isValid())
        return 0;
    const QString output = folder.filePath(QStringLiteral("callgrind.out"));
    QProcess run;
    run.setStandardErrorFile(QProcess::nullDevice());
    run.start(valgrind, QStringList{QStringLiteral("--tool=callgrind"),
                                    QStringLiteral("--callgrind-out-file=") + output,
                                    QCoreApplication::applicationFilePath()} +
                            arguments);
    if (!run.waitForFinished(-1) || run.exitStatus() != QProcess::NormalExit || run.exitCode() != 0)
        return 0;
    return totalIn(output);
}

} // namespace qvz::bench
