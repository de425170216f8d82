// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/modRTB.h"

#include "links/LinkTarget.h"
#include "platform/Platform.h"
#include "report/WebAddress.h"

#include <QAbstractTextDocumentLayout>
#include <QMouseEvent>
#include <QScrollBar>
#include <QSyntaxHighlighter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>

namespace qvz {

namespace {

// Longer links are cut: nobody types an address this long on purpose.
constexpr int maxLinkLength = 1024;

// Underlines every address of an edited paragraph, in the colour of its text. The underline
// lives in the paragraph's layout, not in the document: marking never becomes an undo
// step, and after undo and redo as after typing the links are what the text holds.
class AddressMarker : public QSyntaxHighlighter {
public:
    using QSyntaxHighlighter::QSyntaxHighlighter;

protected:
    void highlightBlock(const QString& text) override
    {
        QTextCharFormat link;
        link.setFontUnderline(true);
        for (const AddressSpan& span : findWebAddresses(text))
            setFormat(span.start, span.length, link);
    }
};

// The web address the text under the point spells right now, or an empty string; only the
// word under the point is read, so a press costs the same in a long paragraph.
QString addressAt(const QTextEdit& view, const QPoint& point)
{
    const QPointF inDocument(point.x() + view.horizontalScrollBar()->value(),
                             point.y() + view.verticalScrollBar()->value());
    const QTextDocument* document = view.document();
    const int position = document->documentLayout()->hitTest(inDocument, Qt::ExactHit);
    if (position < 0)
        return QString();
    const QTextBlock block = document->findBlock(position);
    const QString text = block.text();
    const int at = position - block.position();
    const AddressSpan word = addressSearchSpan(text, at, at + 1);
    for (const AddressSpan& span : findWebAddresses(text.mid(word.start, word.length))) {
        if (at >= word.start + span.start && at < word.start + span.start + span.length)
            return text.mid(word.start + span.start, span.length);
    }
    return QString();
}

// Opens the address under a left-button press on the view's viewport, the one object it
// filters. Lives as long as the view, whose child it is, and opens through the platform the
// view was wired with. Never swallows an event.
class ReportLinks : public QObject {
public:
    ReportLinks(Platform& platform, QTextEdit* view)
        : QObject(view), platform_(platform), view_(*view)
    {
        new AddressMarker(view->document());
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonPress)
            pressed(static_cast<QMouseEvent*>(event));
        return false;
    }

private:
    void pressed(const QMouseEvent* event)
    {
        if (event->button() != Qt::LeftButton)
            return;
        const QString link = addressAt(view_, event->position().toPoint());
        const QString address = webAddressToOpen(link.left(maxLinkLength));
        if (!address.isEmpty())
            openLink(platform_, address, view_.window());
    }

    Platform& platform_;
    QTextEdit& view_;
};

} // namespace

void wireReportLinks(Platform& platform, QTextEdit* view)
{
    view->viewport()->installEventFilter(new ReportLinks(platform, view));
}

} // namespace qvz
