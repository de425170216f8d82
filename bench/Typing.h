// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include "Stats.h"

#include <QJsonArray>
#include <QList>

namespace qvz::bench {

// One filling of the report view: the report, then notes pasted after it.
struct TypingCase {
    int characters = 0;        // wanted in the view after the paste
    bool oneParagraph = false; // the notes pasted as one long line
    bool bare = false;         // a view without link marking: the toolkit's own share
};

struct TypingTimes {
    TypingCase wanted;
    int characters = 0; // in the view after the paste
    int paragraphs = 0; // after the paste
    double pasteMs = 0; // Ctrl+V of the notes, until its events are handled
    // One key, until its events (painting included) are handled: all keys, and those typed
    // after the paste and in a pasted paragraph mid-way on their own.
    Summary keystrokeMs;
    Summary afterPasteMs;
    Summary midwayMs;
    int keystrokes = 0;
    bool linksOpen = false; // a pasted and a typed address open on a press
    Load load;
};

// The cases make measures: 20 k, 200 k and 1 M characters of notes with line breaks, and
// 200 k and 1 M pasted as one paragraph; then 1 M with line breaks in a bare view.
QList<TypingCase> standardTypingCases();

// Needs a QApplication. Opens a real report window for each case, pastes, then types
// the same keys in two places: after the paste, and inside a pasted paragraph mid-way.
TypingTimes measureTyping(const TypingCase& wanted);

// Every standard case, each in a report window of its own.
QList<TypingTimes> measureStandardTyping();

// The case's figures, or nothing when the standard cases lack it.
TypingTimes typingCase(const QList<TypingTimes>& all, const TypingCase& wanted);

void printTyping(const QList<TypingTimes>& all);

QJsonArray toJson(const QList<TypingTimes>& all);

} // namespace qvz::bench
