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
    QPointer<QWidget> window;
};

ReportLinkState& linkState()
{
    static ReportLinkState state;
    return state;
}

// A stretch of a block, in block positions, and the link it should carry (none when empty).
struct LinkStretch {
    int start;
    int end;
    QString href;
};

// The whole block cut into stretches: the addresses, and the text between them.
QList<LinkStretch> wantedLinks(const QString& text)
{
    QList<LinkStretch> stretches;
    int done = 0;
    for (const AddressSpan& span : findWebAddresses(text)) {
        stretches << LinkStretch{done, span.start, QString()};
        stretches << LinkStretch{span.start, span.start + span.length,
                                 text.mid(span.start, span.length)};
        done = span.start + span.length;
    }
    stretches << LinkStretch{done, int(text.size()), QString()};
    return stretches;
}

QString linkOf(const QTextCharFormat& format)
{
    return format.isAnchor() ? format.anchorHref() : QString();
}

// The parts of the block whose link differs from what its text asks for.
QList<LinkStretch> linkChanges(const QTextBlock& block)
{
    QList<LinkStretch> changes;
    const QList<LinkStretch> wanted = wantedLinks(block.text());
    for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment fragment = it.fragment();
        const int start = fragment.position() - block.position();
        const int end = start + fragment.length();
        const QString current = linkOf(fragment.charFormat());
        for (const LinkStretch& stretch : wanted) {
            const int from = qMax(start, stretch.start);
            const int to = qMin(end, stretch.end);
            if (from < to && stretch.href != current)
                changes << LinkStretch{block.position() + from, block.position() + to,
                                       stretch.href};
        }
    }
    return changes;
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
class ReportLinks : public QObject {
public:
    explicit ReportLinks(QTextEdit* view) : QObject(view), document_(view->document())
    {
        connect(document_, &QTextDocument::contentsChange, this, &ReportLinks::textChanged);
        markBlocks(document_->begin(), document_->lastBlock());
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            pressed(watched, static_cast<QMouseEvent*>(event));
        return false;
    }

private:
    void textChanged(int position, int, int charsAdded)
    {
        // Marking changes formats, which reports a change of its own. A change that leaves
        // steps to redo is an undo: history already holds the links as they were, and
        // marking again would wipe out the redo steps and undo the undo.
        if (marking_ || document_->isRedoAvailable())
            return;
        marking_ = true;
        markBlocks(document_->findBlock(position), document_->findBlock(position + charsAdded));
        marking_ = false;
    }

    void markBlocks(QTextBlock block, const QTextBlock& last)
    {
        for (; block.isValid(); block = block.next()) {
            applyChanges(linkChanges(block));
            if (block == last)
                break;
        }
    }

    // Only when something differs, so that unchanged text adds nothing to the undo history.
    void applyChanges(const QList<LinkStretch>& changes)
    {
        if (changes.isEmpty())
            return;
        QTextCursor cursor(document_);
        cursor.beginEditBlock();
        for (const LinkStretch& change : changes) {
            cursor.setPosition(change.start);
            cursor.setPosition(change.end, QTextCursor::KeepAnchor);
            cursor.mergeCharFormat(linkFormat(change.href));
        }
        cursor.endEditBlock();
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
};

} // namespace

void wireReportLinks(Platform& platform, QTextEdit* view, QWidget* window)
{
    view->viewport()->installEventFilter(new ReportLinks(view));
    linkState() = ReportLinkState{&platform, view, window};
}

} // namespace qvz
