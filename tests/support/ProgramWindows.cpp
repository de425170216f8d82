// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "support/ProgramWindows.h"

#include "support/Controls.h"

#include <QGroupBox>
#include <QListWidget>
#include <QStyleOption>
#include <QtTest>

namespace qvz {

namespace {

QListWidget* topicList(frmMain& window)
{
    return child<QListWidget>(window, "lstOptions");
}

} // namespace

ProgramWindows::ProgramWindows()
{
    for (int row = topicCount() - 1; row >= 0; --row)
        topicList(main)->setCurrentRow(row);
}

void ProgramWindows::showTopic(int row)
{
    topicList(main)->setCurrentRow(row);
    QCoreApplication::processEvents();
}

int ProgramWindows::topicCount()
{
    return topicList(main)->count();
}

bool ProgramWindows::showAll()
{
    bool exposed = true;
    for (QWidget* window : all()) {
        window->show();
        exposed &= QTest::qWaitForWindowExposed(window);
    }
    return exposed;
}

QRect groupBoxPart(const QGroupBox* box, QStyle::SubControl part)
{
    QStyleOptionGroupBox option;
    option.initFrom(box);
    option.text = box->title();
    option.lineWidth = 1;
    option.textAlignment = box->alignment();
    option.subControls = QStyle::SC_GroupBoxFrame | QStyle::SC_GroupBoxLabel;
    if (box->isFlat())
        option.features |= QStyleOptionFrame::Flat;
    return box->style()->subControlRect(QStyle::CC_GroupBox, &option, part, box);
}

} // namespace qvz
