// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace qvz {

// Runs a program that reads what the program wrote (unrtf, pdftotext) and returns its
// standard output; a failure is reported as a warning and yields what it printed.
QByteArray runTool(const QString& program, const QStringList& arguments);

} // namespace qvz
