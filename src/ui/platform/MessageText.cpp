// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/platform/MessageText.h"

#include <QLabel>
#include <QLayout>
#include <QMessageBox>
#include <QTextDocument>
#include <QtMath>
#include <algorithm>
#include <memory>

namespace qvz {

MessageText::MessageText(const QString& text, QWidget* parent) : QTextEdit(parent)
{
    setObjectName(QStringLiteral("txtMessage"));
    setAccessibleName(text);
    setPlainText(text);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse);
    setFocusPolicy(Qt::ClickFocus);
    setFrameShape(QFrame::NoFrame);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(0);
    viewport()->setAutoFillBackground(false);
    QSizePolicy policy(QSizePolicy::Preferred, QSizePolicy::Preferred);
    policy.setHeightForWidth(true);
    setSizePolicy(policy);
}

int MessageText::heightForWidth(int width) const
{
    const std::unique_ptr<QTextDocument> laidOut(document()->clone());
    laidOut->setTextWidth(width);
    return qCeil(laidOut->size().height());
}

// As wide as its longest line, up to sixty characters: near what Qt gives a wrapping
// label.
QSize MessageText::sizeHint() const
{
    const std::unique_ptr<QTextDocument> laidOut(document()->clone());
    laidOut->setTextWidth(-1);
    const int width = std::min(qCeil(laidOut->idealWidth()), 60 * fontMetrics().averageCharWidth());
    return {width, heightForWidth(width)};
}

QSize MessageText::minimumSizeHint() const
{
    return sizeHint();
}

// Qt 6.4 shows a box's text in a label of its own that wraps between words only: a long
// path runs past the edge of the screen. That label, the box's one label holding text(),
// gives way to a MessageText; text() stays the box's own.
void wrapAnywhere(QMessageBox& box)
{
    const QList<QLabel*> labels = box.findChildren<QLabel*>();
    const auto label = std::find_if(labels.begin(), labels.end(), [&box](const QLabel* each) {
        return each->text() == box.text();
    });
    if (label == labels.end() || box.text().isEmpty())
        return;
    delete box.layout()->replaceWidget(*label, new MessageText(box.text(), &box));
    (*label)->hide();
}

} // namespace qvz
