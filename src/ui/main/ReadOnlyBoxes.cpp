// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/ReadOnlyBoxes.h"

#include "ui/common/Twips.h"
#include "ui/main/ReadOnlyLineEdit.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace qvz {

namespace {

// Caption labels are one line of the default font high.
constexpr int kCaptionHeight = twips(195);

} // namespace

QLineEdit* makeFactBox(const QString& name, const QString& accessibleName, const QRect& rect,
                       QWidget* parent)
{
    auto* box = new ReadOnlyLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setGeometry(rect);
    // The flat look: a thin line instead of the sunken edge. A style sheet would take
    // "palette(...)" from the desktop rather than the window, so the window's colours are named.
    const QPalette colours = box->palette();
    box->setStyleSheet(
        QStringLiteral("QLineEdit { border: 1px solid %1; padding: 0px; background: %2; color: %3; "
                       "selection-background-color: %4; selection-color: %5; }")
            .arg(colours.color(QPalette::Shadow).name(), colours.color(QPalette::Base).name(),
                 colours.color(QPalette::Text).name(), colours.color(QPalette::Highlight).name(),
                 colours.color(QPalette::HighlightedText).name()));
    // The narrow key-fact boxes need the room the default text margins would take.
    box->setTextMargins(-2, 0, -2, 0);
    return box;
}

QPlainTextEdit* makeTextBox(const QString& name, const QString& accessibleName, const QRect& rect,
                            QWidget* parent)
{
    auto* box = new QPlainTextEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setGeometry(rect);
    box->setReadOnly(true);
    // Keyboard selection keeps the caret visible, so the text can be walked and copied.
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    box->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    box->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    box->setFrameStyle(QFrame::Box | QFrame::Plain);
    box->setLineWidth(1);
    return box;
}

QLabel* makeCaption(const QString& name, const QString& text, const QString& hint,
                    const QPoint& topLeft, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setToolTip(hint);
    label->setAccessibleDescription(hint);
    label->move(topLeft);
    label->resize(label->sizeHint().width(), kCaptionHeight);
    return label;
}

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0); // show the start of a fact longer than its box
    } else if (auto* page = qobject_cast<QPlainTextEdit*>(box))
        page->setPlainText(text);
}

} // namespace qvz
