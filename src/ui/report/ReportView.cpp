// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/ReportView.h"

#include "ui/common/Fonts.h"

#include <QColor>
#include <QStringList>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextEdit>

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

void setReportViewFont(QTextEdit& view)
{
    view.setFont(verdana(9.75));
}

void fillReportView(QTextEdit& view, const QList<ReportRun>& runs)
{
    QTextCursor cursor = view.textCursor();
    for (const ReportRun& run : runs) {
        setBold(cursor, run.bold);
        setColour(cursor, run.colour);
        insertText(cursor, run.text);
    }
    view.setTextCursor(cursor);
}

} // namespace qvz
