// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QStringList>

namespace qvz::bench {

// The instructions one run of this program in the given mode executes, all threads
// together, counted by valgrind's callgrind: unlike wall time, the count is the same on a
// busy machine as on an idle one. 0 when valgrind is not installed or the run failed.
double countInstructions(const QStringList& arguments);

} // namespace qvz::bench
