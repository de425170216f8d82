// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

namespace qvz {

// The print system is asked for the default printer by a child process of the program
// itself: a print server that never answers holds the asking process for minutes, and a
// child can be left behind and ended at any time, where a thread inside Qt's print
// support could not.

// The arguments that start the program as that child.
QStringList printerQueryArguments();

// True when the program was started as that child.
bool isPrinterQuery(int argc, char* argv[]);

// Writes the default printer's name to standard output (nothing when there is none) and
// returns the process's exit status.
int answerPrinterQuery(int argc, char* argv[]);

} // namespace qvz
