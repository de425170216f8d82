// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

class QLocale;
class QPagedPaintDevice;
class QTextEdit;

namespace qvz {

// Lays the view's whole document out on the device's pages, with the view's font, the
// document's formatting and the underlined web addresses, each a link to its address
// where the device keeps links (a PDF does), as one job. A printer and a PDF get the same
// pages from it. False when the job could not be done.
bool printReport(QTextEdit& view, QPagedPaintDevice& device);

// The report as a PDF: the pages Print lays out, on the paper Qt's printers start with in
// the locale: Letter where the US system of measures is used, A4 elsewhere. Empty when
// it could not be made.
QByteArray reportPdf(QTextEdit& view, const QLocale& locale);

// Writes the report to path as a PDF on the user's paper, replacing any file only once
// the whole of it is written. Returns an empty string on success, otherwise the reason.
QString savePdfFile(QTextEdit& view, const QString& path);

} // namespace qvz
