// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

class QRandomGenerator;

namespace qvz {

// A run of text as unrtf reads it back, with the formatting it reports.
struct ReadRun {
    QString text;
    bool bold = false;
    QString colour; // "#rrggbb", empty when none is set
    QString font;
    QString size;

    bool sameFormat(const ReadRun& other) const;
};

// Reads RTF back with the unrtf program, the way another reader sees it.
class Unrtf {
public:
    Unrtf();

    bool isValid() const;

    // unrtf's raw output for the given options, or "unrtf failed: ..." when it fails.
    QByteArray run(const QStringList& options, const QByteArray& rtf) const;

    // The text with its bold, colour, font and size, neighbours of one format merged.
    QList<ReadRun> read(const QByteArray& rtf) const;

private:
    QTemporaryDir m_dir;
};

// Appends run to runs, merged into the last one when both have the same format.
void appendRun(QList<ReadRun>& runs, const ReadRun& run);

QString joinedText(const QList<ReadRun>& runs);

// One line per run: "bold #800080 Verdana 10 "text"", line breaks shown as "|".
QStringList describeRuns(const QList<ReadRun>& runs);

// unrtf prints a run of blanks inside one stretch of text as a single blank.
QString collapseBlanks(QString text);

QString hexColour(unsigned int rgb);

// Group depth never drops below zero and ends at zero; escaped braces do not count.
bool bracesBalance(const QByteArray& rtf);

bool isSevenBit(const QByteArray& bytes);

// One random code point that a user could get into a rich-text view, as UTF-16: ASCII
// with the characters RTF escapes, tabs, control characters, the BMP and beyond it.
// Never a line or paragraph break, which the view turns into a new paragraph.
QString randomCharacter(QRandomGenerator& random);

} // namespace qvz
