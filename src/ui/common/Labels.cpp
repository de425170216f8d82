// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/Labels.h"

#include "AppInfo.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/Twips.h"

#include <QLabel>

namespace qvz {

namespace {

// One line of the default font high.
constexpr int kCaptionHeight = twips(195);

QLabel* addLabel(QWidget* parent, const char* name, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setAccessibleName(text);
    return label;
}

} // namespace

QLabel* addCaption(QWidget* parent, const char* name, const QString& text, const QPoint& topLeft,
                   const QString& hint)
{
    QLabel* label = addLabel(parent, name, text);
    label->setToolTip(hint);
    label->setAccessibleDescription(hint);
    label->move(topLeft);
    label->resize(label->sizeHint().width(), kCaptionHeight);
    return label;
}

QLabel* addDescription(QWidget* parent, const char* name, const QString& text, const QRect& rect)
{
    QLabel* label = addLabel(parent, name, text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

LinkLabel* addLink(QWidget* parent, const char* name, const QString& text, const QColor& colour,
                   const QRect& rect)
{
    auto* link = new LinkLabel(QLatin1String(name), text, colour, parent);
    link->setGeometry(rect);
    return link;
}

QLabel* addIconPicture(QWidget* parent, const char* name, const QRect& rect)
{
    QLabel* picture = addLabel(parent, name, QString());
    picture->setAccessibleName(applicationTitle() + QStringLiteral(" icon"));
    picture->setGeometry(rect);
    picture->setPixmap(programIconPicture());
    return picture;
}

} // namespace qvz
