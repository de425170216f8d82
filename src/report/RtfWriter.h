// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace qvz {

// The document as Rich Text Format: its text with every paragraph end, the bold runs,
// the text colours and the font size, in the Verdana font. Pure 7-bit output; every
// other character is written as a Unicode escape.
QByteArray documentToRtf(const QTextDocument& document);

// Writes the document as RTF to path, replacing the file only once the whole text is
// written. Returns an empty string on success, otherwise the reason it failed.
QString saveRtfFile(const QTextDocument& document, const QString& path);

} // namespace qvz
