// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/ReadOnlyBoxes.h"

#include "ui/common/Twips.h"
#include "ui/main/ReadOnlyLineEdit.h"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace qvz {

QLineEdit* makeFactBox(const QString& name, const QString& accessibleName, const QRect& rect,
                       QWidget* parent)
{
    auto* box = new ReadOnlyLineEdit(parent);
    box->setObjectName(name);
    box->setAccessibleName(accessibleName);
    box->setGeometry(rect);
    // The box draws its thin line inside its edge itself; the text keeps its place, a
    // pixel inside that line, and uses the room the default text margins would take,
    // which the narrow key-fact boxes need.
    box->setTextMargins(-1, 1, -1, 1);
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

void setBoxText(QWidget* box, const QString& text)
{
    if (auto* line = qobject_cast<QLineEdit*>(box)) {
        line->setText(text);
        line->setCursorPosition(0); // show the start of a fact longer than its box
    } else if (auto* page = qobject_cast<QPlainTextEdit*>(box))
        page->setPlainText(text);
}

} // namespace qvz
