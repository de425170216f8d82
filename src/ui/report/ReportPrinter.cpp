// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/ReportPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrinter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <memory>

namespace qvz {

bool printReport(QTextEdit& view, QPrinter& printer)
{
    // A copy laid out on the printer's pages: the view keeps its own layout, and no page
    // numbers are added as Qt does for documents that were never paged.
    const std::unique_ptr<QTextDocument> document(view.document()->clone());
    // The links are underlined in the view's layout only; the copy shows them too.
    for (QTextBlock from = view.document()->begin(), to = document->begin(); to.isValid();
         from = from.next(), to = to.next())
        to.layout()->setFormats(from.layout()->formats());
    document->documentLayout()->setPaintDevice(&printer);
    const QRectF page(QPointF(0, 0), printer.pageRect(QPrinter::DevicePixel).size());
    document->setPageSize(page.size());

    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    for (int index = 0; index < document->pageCount(); ++index) {
        if (index > 0 && !printer.newPage())
            return false;
        const QRectF area = page.translated(0, index * page.height());
        painter.save();
        painter.translate(0, -area.top());
        document->drawContents(&painter, area);
        painter.restore();
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace qvz
