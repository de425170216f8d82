// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

namespace qvz::bench {

// Each mode runs in a process of its own and returns the process's exit status.

// The program's real start-up, ending once the main window has painted its first frame.
int runStartup(int argc, char* argv[], const QString& settingsFolder);

// A bare window of the main window's size, ending after its first frame: the toolkit's floor.
int runBaseline(int argc, char* argv[]);

// Timings of the report window, RTF writing and printing inside one process.
int runInProcess(int argc, char* argv[], int repetitions);

// The memory each opening of the report and about windows keeps, after a few to settle.
int runOpenings(int argc, char* argv[], int openings);

// Typing into the report window after pasting notes of several sizes.
int runTyping(int argc, char* argv[]);

// Starts the two window modes alternately as child processes, then times in-process.
int runCompare(int argc, char* argv[], int pairs, int repetitions);

} // namespace qvz::bench

namespace qvz::bench {

// Points the per-user settings at folder (before anything reads them).
void useQuietSettings(const QString& folder);

// Settings in folder under which the start-up shows no update reminder.
bool writeQuietSettings(const QString& folder);

} // namespace qvz::bench
