// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "report/ReportDocument.h"

#include <QColor>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>

namespace qvz {

namespace {

// With nothing selected a merged format applies to the next insertion only.
void setBold(QTextCursor& cursor, bool bold)
{
    QTextCharFormat format;
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    cursor.mergeCharFormat(format);
}

void setColour(QTextCursor& cursor, QRgb colour)
{
    QTextCharFormat format;
    format.setForeground(QColor(colour));
    cursor.mergeCharFormat(format);
}

void insertText(QTextCursor& cursor, const QString& text)
{
    const QStringList paragraphs = text.split(QStringLiteral("\r\n"));
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        if (!paragraphs.at(i).isEmpty())
            cursor.insertText(paragraphs.at(i));
    }
}

} // namespace

void insertReportRuns(QTextCursor& cursor, const QList<ReportRun>& runs)
{
    for (const ReportRun& run : runs) {
        setBold(cursor, run.bold);
        setColour(cursor, run.colour);
        insertText(cursor, run.text);
    }
}

} // namespace qvz
