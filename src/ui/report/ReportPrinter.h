// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

class QPrinter;
class QTextEdit;

namespace qvz {

// Prints the view's whole document, with the view's font and the document's formatting,
// as one job paged by the printer. False when the job could not be done.
bool printReport(QTextEdit& view, QPrinter& printer);

} // namespace qvz
