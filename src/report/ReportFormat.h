// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

namespace qvz {

// The formats the report is saved in, in the order the save dialog offers them.
enum class ReportFormat { Rtf, Pdf };

// The save dialog's filters, one per format in that order: "Rich Text Format (*.rtf)"
// and "PDF (*.pdf)".
QStringList reportFilters();

// The format a saved name asks for: its suffix when that is .rtf or .pdf, in any case,
// otherwise the filter chosen in the dialog. No file ever holds one format under the
// other's suffix.
ReportFormat reportFormatFor(const QString& path, int chosenFilter);

} // namespace qvz
