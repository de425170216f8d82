// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/common/Offers.h"
#include "ui/main/ProfileBoxes.h"

class QListWidget;
class QMainWindow;
class QPushButton;
class QWidget;

namespace qvz {

class LinkLabel;

// The key facts' boxes, in the order of their fields, and the one Tab reaches last.
struct KeyFactBoxes {
    ProfileBoxes boxes;
    QWidget* lastInTabOrder = nullptr;
};

// The main window's client area, of its fixed size, and the fixed parts of it around the
// topic panels; each returns the controls the window binds.
QWidget* addClientArea(QMainWindow* window);
void addZodiacPicture(QWidget* client);
QListWidget* addTopicList(QWidget* client);
QPushButton* addSaveButton(QWidget* client);
LinkLabel* addDiscussionBanner(QWidget* client);
KeyFactBoxes addKeyFacts(QWidget* client);
PromotionLabels addPromotions(QWidget* client);

} // namespace qvz
