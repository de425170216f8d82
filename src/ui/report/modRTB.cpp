// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/modRTB.h"

#include "platform/Platform.h"
#include "report/WebAddress.h"

#include <QMouseEvent>
#include <QPointer>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace qvz {

namespace {

// Longer links are cut: nobody types an address this long on purpose.
constexpr int maxLinkLength = 1024;

struct ReportLinkState {
    Platform* platform = nullptr;
    QPointer<QTextEdit> view;
};

ReportLinkState& linkState()
{
    static ReportLinkState state;
    return state;
}

// A stretch of the document and the link it should carry (none when empty).
struct LinkStretch {
    int start;
    int end;
    QString href;
};

// The part of the text cut into stretches: the addresses, and the text between them.
QList<LinkStretch> wantedLinks(const QString& text, const AddressSpan& part)
{
    QList<LinkStretch> stretches;
    const QString partText = text.mid(part.start, part.length);
    int done = part.start;
    for (const AddressSpan& span : findWebAddresses(partText)) {
        const int start = part.start + span.start;
        stretches << LinkStretch{done, start, QString()};
        stretches << LinkStretch{start, start + span.length, partText.mid(span.start, span.length)};
        done = start + span.length;
    }
    stretches << LinkStretch{done, part.start + part.length, QString()};
    return stretches;
}

QString linkOf(const QTextCharFormat& format)
{
    return format.isAnchor() ? format.anchorHref() : QString();
}

// Where, in the part of the block, the links differ from what its text asks for; in
// document positions.
void addLinkChanges(const QTextBlock& block, const QString& text, const AddressSpan& part,
                    QList<LinkStretch>& changes)
{
    const QList<LinkStretch> wanted = wantedLinks(text, part);
    const int partEnd = part.start + part.length;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = fragment.position() - block.position();
        const int end = start + fragment.length();
        if (end <= part.start || start >= partEnd)
            continue;
        const QString current = linkOf(fragment.charFormat());
        for (const LinkStretch& stretch : wanted) {
            const int from = qMax(start, stretch.start);
            const int to = qMin(end, stretch.end);
            if (from < to && stretch.href != current)
                changes << LinkStretch{block.position() + from, block.position() + to,
                                       stretch.href};
        }
    }
}

// Links keep the colour of their text and are underlined; the text itself never changes.
QTextCharFormat linkFormat(const QString& href)
{
    QTextCharFormat format;
    format.setAnchor(!href.isEmpty());
    format.setAnchorHref(href);
    format.setFontUnderline(!href.isEmpty());
    return format;
}

// Marks the addresses of the view and answers presses on them. Never swallows an event.
//
// Only the words an edit touched are looked at again, so marking costs the same in a long
// document as in a short one. The marking waits until the document has finished its own
// change (contentsChanged, after the layout has taken the edit in): a format change made
// while the document still reports its edit would lay out the edited text once more.
class ReportLinks : public QObject {
public:
    explicit ReportLinks(QTextEdit* view) : QObject(view), document_(view->document())
    {
        connect(document_, &QTextDocument::contentsChange, this, &ReportLinks::noteChange);
        connect(document_, &QTextDocument::contentsChanged, this, &ReportLinks::markChanged);
        markRange(0, document_->characterCount() - 1);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            pressed(watched, static_cast<QMouseEvent*>(event));
        return false;
    }

private:
    // Collects the edited text; a document may report several changes before it is done.
    void noteChange(int position, int, int charsAdded)
    {
        if (marking_)
            return;
        const int last = document_->characterCount() - 1;
        int from = qMin(position, last);
        int to = qMin(position + charsAdded, last);
        if (unmarked_.isNull()) {
            unmarked_ = QTextCursor(document_);
        } else {
            from = qMin(from, unmarked_.selectionStart());
            to = qMax(to, unmarked_.selectionEnd());
        }
        unmarked_.setPosition(from);
        unmarked_.setPosition(to, QTextCursor::KeepAnchor);
    }

    // A change that leaves steps to redo is an undo: history already holds the links as they
    // were, and marking again would wipe out the redo steps and undo the undo. Its text is
    // marked with the next edit instead, once nothing is left to redo: the undo may have
    // stopped between an edit and its marking.
    void markChanged()
    {
        if (marking_ || unmarked_.isNull() || document_->isRedoAvailable())
            return;
        const int from = unmarked_.selectionStart();
        const int to = unmarked_.selectionEnd();
        unmarked_ = QTextCursor();
        markRange(from, to);
    }

    // Every change goes into one edit, so the document is laid out once for all of them.
    void markRange(int from, int to)
    {
        const int last = document_->characterCount() - 1;
        from = qBound(0, from, last);
        to = qBound(from, to, last);
        QList<LinkStretch> changes;
        const QTextBlock end = document_->findBlock(to).next();
        for (QTextBlock block = document_->findBlock(from); block != end; block = block.next()) {
            const int position = block.position();
            const int partFrom = qMax(from, position) - position;
            const int partTo = qMin(to, position + block.length() - 1) - position;
            const QString text = block.text();
            addLinkChanges(block, text, addressSearchSpan(text, partFrom, partTo), changes);
        }
        apply(changes);
    }

    // Only when something differs, so that unchanged text adds nothing to the undo history.
    void apply(const QList<LinkStretch>& changes)
    {
        if (changes.isEmpty())
            return;
        marking_ = true;
        QTextCursor cursor(document_);
        cursor.beginEditBlock();
        for (const LinkStretch& change : changes) {
            cursor.setPosition(change.start);
            cursor.setPosition(change.end, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(linkFormat(change.href));
        }
        cursor.endEditBlock();
        marking_ = false;
    }

    void pressed(QObject* watched, const QMouseEvent* event)
    {
        const ReportLinkState& state = linkState();
        if (event->button() != Qt::LeftButton || !state.view || !state.platform ||
            watched != state.view->viewport())
            return;
        const QString link = state.view->anchorAt(event->position().toPoint());
        const QString address = webAddressToOpen(link.left(maxLinkLength));
        if (!address.isEmpty())
            state.platform->openAddress(address);
    }

    QTextDocument* document_;
    bool marking_ = false;
    QTextCursor unmarked_; // selects the text edited since the last marking, if any
};

} // namespace

void wireReportLinks(Platform& platform, QTextEdit* view)
{
    view->viewport()->installEventFilter(new ReportLinks(view));
    linkState() = ReportLinkState{&platform, view};
}

} // namespace qvz
