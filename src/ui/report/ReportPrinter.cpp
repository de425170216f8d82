// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/ReportPrinter.h"

#include "AppInfo.h"
#include "platform/SaveTarget.h"
#include "report/WebAddress.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QLocale>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>
#include <QUrl>
#include <memory>

namespace qvz {

namespace {

// The view underlines its addresses in its layout only; the copy shows them too, and Qt's
// PDF engine makes every run drawn with an anchor a link to the anchor's address.
void copyLinks(const QTextDocument& from, QTextDocument& to)
{
    for (QTextBlock source = from.begin(), target = to.begin(); target.isValid();
         source = source.next(), target = target.next()) {
        QList<QTextLayout::FormatRange> links = source.layout()->formats();
        for (QTextLayout::FormatRange& link : links) {
            // A PDF keeps a link's address as ASCII text in brackets: everything else, and
            // the brackets themselves, are percent-encoded.
            link.format.setAnchorHref(QString::fromLatin1(QUrl::toPercentEncoding(
                webAddressToOpen(source.text().mid(link.start, link.length)),
                "!#$&'*+,/:;=?@[]~%")));
        }
        target.layout()->setFormats(links);
    }
}

// Draws each line on the one page it was laid out on. Drawn as a whole, a paragraph that
// runs on to the next page would also leave its other lines there, clipped away on paper
// but still in the PDF's text.
void drawPage(QPainter& painter, const QTextDocument& document, const QRectF& area)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextLayout* layout = block.layout();
        const QPointF at = layout->position() - area.topLeft();
        for (int index = 0; index < layout->lineCount(); ++index) {
            const QTextLine line = layout->lineAt(index);
            if (at.y() + line.y() >= 0 && at.y() + line.y() < area.height())
                line.draw(&painter, at);
        }
    }
}

} // namespace

bool printReport(QTextEdit& view, QPagedPaintDevice& device)
{
    // A copy laid out on the device's pages: the view keeps its own layout, and no page
    // numbers are added as Qt does for documents that were never paged.
    const std::unique_ptr<QTextDocument> document(view.document()->clone());
    copyLinks(*view.document(), *document);
    document->documentLayout()->setPaintDevice(&device);
    const QRectF page(QPointF(0, 0),
                      device.pageLayout().paintRectPixels(device.logicalDpiX()).size());
    document->setPageSize(page.size());

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    for (int index = 0; index < document->pageCount(); ++index) {
        if (index > 0 && !device.newPage())
            return false;
        drawPage(painter, *document, page.translated(0, index * page.height()));
    }
    return painter.end();
}

QByteArray reportPdf(QTextEdit& view, const QLocale& locale)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        // The writer finishes the file when it goes.
        QPdfWriter writer(&pdf);
        writer.setPageSize(QPageSize(locale.measurementSystem() == QLocale::ImperialUSSystem
                                         ? QPageSize::Letter
                                         : QPageSize::A4));
        writer.setCreator(QStringLiteral(QVZ_APP_NAME " " QVZ_VERSION));
        if (!printReport(view, writer))
            return QByteArray();
    }
    return pdf.data();
}

QString savePdfFile(QTextEdit& view, const QString& path)
{
    const QByteArray pdf = reportPdf(view, QLocale::system());
    if (pdf.isEmpty())
        return QStringLiteral("The report could not be laid out on pages.");
    return saveFileAtomically(path, pdf);
}

} // namespace qvz
