// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "report/ReportFormat.h"

#include <QFileInfo>

namespace qvz {

QStringList reportFilters()
{
    return {QStringLiteral("Rich Text Format (*.rtf)"), QStringLiteral("PDF (*.pdf)")};
}

ReportFormat reportFormatFor(const QString& path, int chosenFilter)
{
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0)
        return ReportFormat::Pdf;
    if (suffix.compare(QLatin1String("rtf"), Qt::CaseInsensitive) == 0)
        return ReportFormat::Rtf;
    return chosenFilter == int(ReportFormat::Pdf) ? ReportFormat::Pdf : ReportFormat::Rtf;
}

} // namespace qvz
