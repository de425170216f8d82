// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#include "Typing.h"

#include "BenchModes.h"
#include "QuietPlatform.h"
#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "ui/common/Fonts.h"
#include "ui/report/ReportView.h"
#include "ui/report/frmSave.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextEdit>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qvz::bench {

namespace {

// Typed in each place: a word, an address that becomes a link as it is typed, a line
// break that splits the paragraph and a backspace that joins it again.
const QString kTyped = QStringLiteral("see www.a.org/p \n\b");

class CountingPlatform : public QuietPlatform {
public:
    QStringList opened;
    bool openAddress(const QString& address) override
    {
        opened << address;
        return true;
    }
};

// Notes as people paste them: lines of prose of every length, blank lines, and an
// address on every fourth line. The same every run.
QString notes(int characters, bool oneParagraph)
{
    static const QStringList vocabulary = {"the",     "report", "said",    "Libra",
                                           "balance", "notes",  "today",   "friend",
                                           "asked",   "about",  "(again)", "partner,"};
    QString text;
    text.reserve(characters + 200);
    for (int line = 0; text.size() < characters; ++line) {
        const int length = line % 9 == 0 ? 0 : (line * 37) % 180;
        QString words;
        if (line % 4 == 1)
            words += QStringLiteral("see https://example.org/notes/%1?page=2, then ").arg(line);
        for (int word = line; words.size() < length; ++word)
            words += vocabulary.at(word % vocabulary.size()) + QLatin1Char(' ');
        if (line % 6 == 3)
            words += QStringLiteral("www.example.net/%1.").arg(line);
        text += words + (oneParagraph ? QLatin1Char(' ') : QLatin1Char('\n'));
    }
    text.truncate(characters);
    return text;
}

void send(QTextEdit& view, QChar key)
{
    if (key == QLatin1Char('\n'))
        QTest::keyClick(&view, Qt::Key_Return);
    else if (key == QLatin1Char('\b'))
        QTest::keyClick(&view, Qt::Key_Backspace);
    else
        QTest::keyClick(&view, key.toLatin1());
}

double timeKey(QTextEdit& view, QChar key)
{
    QElapsedTimer timer;
    timer.start();
    send(view, key);
    QCoreApplication::processEvents();
    return double(timer.nsecsElapsed()) / 1e6;
}

void placeCaret(QTextEdit& view, int position)
{
    QTextCursor cursor = view.textCursor();
    cursor.setPosition(position);
    view.setTextCursor(cursor);
    QCoreApplication::processEvents();
}

QList<double> typeAt(QTextEdit& view, int position)
{
    placeCaret(view, position);
    QList<double> times;
    for (const QChar key : kTyped)
        times << timeKey(view, key);
    return times;
}

// Lays out the whole document, which the view otherwise does bit by bit after a paste.
void finishLayout(QTextEdit& view)
{
    const QTextBlock last = view.document()->lastBlock();
    view.document()->documentLayout()->blockBoundingRect(last);
    QCoreApplication::processEvents();
}

// A press in the first half of the character at position, once the view shows it.
bool opensOnPress(QTextEdit& view, const CountingPlatform& platform, int position)
{
    placeCaret(view, position);
    view.ensureCursorVisible();
    QCoreApplication::processEvents();
    const int before = platform.opened.size();
    QTextCursor cursor = view.textCursor();
    const QRect rect = view.cursorRect(cursor);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      QPoint(rect.left() + 2, rect.center().y()));
    return platform.opened.size() == before + 1;
}

} // namespace

QList<TypingCase> standardTypingCases()
{
    return {{20000}, {200000}, {1000000}, {200000, true}, {1000000, true}, {1000000, false, true}};
}

TypingTimes measureTyping(const TypingCase& wanted)
{
    const double loadAtStart = loadAverage();
    CountingPlatform platform;
    frmSave report(platform);
    report.show();
    QTextEdit* view = report.view();
    TypingTimes times;
    times.wanted = wanted;
    if (!view || !QTest::qWaitForWindowExposed(&report))
        return times;
    if (wanted.bare) {
        // The same window, font and report, in a document the links were never wired to.
        auto* document = new QTextDocument(view);
        document->setDefaultFont(view->font());
        view->setDocument(document);
        fillReportView(*view, composeReport(signProfile()));
    }
    view->setFocus();
    view->moveCursor(QTextCursor::End);
    const int reportEnd = view->textCursor().position();
    // The report alone is about 21 k characters; a little is pasted even then.
    const QString pasted = notes(qMax(2000, wanted.characters - reportEnd), wanted.oneParagraph);
    QGuiApplication::clipboard()->setText(pasted);
    QCoreApplication::processEvents();

    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(view, Qt::Key_V, Qt::ControlModifier);
    QCoreApplication::processEvents();
    times.pasteMs = double(timer.nsecsElapsed()) / 1e6;
    finishLayout(*view);
    times.characters = view->document()->characterCount() - 1;
    times.paragraphs = view->document()->blockCount();

    const QList<double> afterPaste = typeAt(*view, view->textCursor().position());
    const QList<double> midway = typeAt(*view, reportEnd + int(pasted.size()) / 2);
    times.keystrokeMs = summarize(afterPaste + midway);
    times.afterPasteMs = summarize(afterPaste);
    times.midwayMs = summarize(midway);
    times.keystrokes = int(afterPaste.size() + midway.size());

    const QString text = view->toPlainText();
    times.linksOpen =
        opensOnPress(*view, platform, int(text.lastIndexOf("https://example.org")) + 2) &&
        opensOnPress(*view, platform, int(text.lastIndexOf("www.a.org/p")) + 2);
    times.load = loadSince(loadAtStart);
    return times;
}

QList<TypingTimes> measureStandardTyping()
{
    QList<TypingTimes> all;
    for (const TypingCase& wanted : standardTypingCases())
        all << measureTyping(wanted);
    return all;
}

TypingTimes typingCase(const QList<TypingTimes>& all, const TypingCase& wanted)
{
    for (const TypingTimes& times : all) {
        if (times.wanted.characters == wanted.characters &&
            times.wanted.oneParagraph == wanted.oneParagraph && times.wanted.bare == wanted.bare)
            return times;
    }
    return {};
}

void printTyping(const QList<TypingTimes>& all)
{
    std::printf("Typing into the report window after a paste, ms: median [min .. max] of %d keys,\n"
                "half after the paste and half in a pasted paragraph mid-way\n",
                all.isEmpty() ? 0 : all.constFirst().keystrokes);
    for (const TypingTimes& times : all) {
        const char* kind = times.wanted.bare           ? " in a bare view"
                           : times.wanted.oneParagraph ? " (one pasted)"
                                                       : "";
        std::printf("  %7d chars, %5d paragraphs%s: paste %7.1f, links %s\n", times.characters,
                    times.paragraphs, kind, times.pasteMs,
                    times.wanted.bare ? "not marked"
                    : times.linksOpen ? "open"
                                      : "BROKEN");
        std::printf("      keystroke %s (after the paste %s, mid-way %s), %s\n",
                    qPrintable(describe(times.keystrokeMs)),
                    qPrintable(describe(times.afterPasteMs)), qPrintable(describe(times.midwayMs)),
                    qPrintable(describe(times.load)));
    }
}

QJsonArray toJson(const QList<TypingTimes>& all)
{
    QJsonArray array;
    for (const TypingTimes& times : all) {
        array.append(QJsonObject{{"characters", times.characters},
                                 {"paragraphs", times.paragraphs},
                                 {"one_pasted_paragraph", times.wanted.oneParagraph},
                                 {"bare_view", times.wanted.bare},
                                 {"paste_ms", times.pasteMs},
                                 {"keystrokes", times.keystrokes},
                                 {"keystroke_ms", toJson(times.keystrokeMs)},
                                 {"after_paste_ms", toJson(times.afterPasteMs)},
                                 {"midway_ms", toJson(times.midwayMs)},
                                 {"links_open", times.linksOpen},
                                 {"load", toJson(times.load)}});
    }
    return array;
}

int runTyping(int argc, char* argv[])
{
    QApplication app(argc, argv);
    installFontSubstitutes();
    QList<TypingTimes> all;
    bool linksOpen = true;
    QList<TypingCase> cases = standardTypingCases();
    // One case alone, for profiling: "--chars N", with "--one-paragraph" if wanted.
    for (int i = 2; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--chars") == 0)
            cases = {{std::atoi(argv[i + 1]), std::strcmp(argv[argc - 1], "--one-paragraph") == 0}};
    }
    for (const TypingCase& wanted : cases) {
        all << measureTyping(wanted);
        linksOpen = linksOpen && (wanted.bare || all.constLast().linksOpen);
    }
    printTyping(all);
    const QJsonObject json{{"typing", toJson(all)}};
    std::printf("%s", QJsonDocument(json).toJson(QJsonDocument::Indented).constData());
    return linksOpen ? 0 : 1;
}

} // namespace qvz::bench
