// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/main/ProfileBoxes.h"

class QListWidget;
class QPushButton;
class QWidget;

namespace qvz {

class LinkLabel;

// The two promotional labels, lblFullBrand and lblCobrand, on one rectangle: the one
// in front is the one seen.
struct PromotionLabels {
    LinkLabel* fullBrand = nullptr;
    LinkLabel* coBrand = nullptr;
};

// The key facts' boxes, in the order of their fields, and the one Tab reaches last.
struct KeyFactBoxes {
    ProfileBoxes boxes;
    QWidget* lastInTabOrder = nullptr;
};

// The fixed parts of the main window's client area around the topic panels; each
// returns the controls the window binds.
void addZodiacPicture(QWidget* client);
QListWidget* addTopicList(QWidget* client);
QPushButton* addSaveButton(QWidget* client);
LinkLabel* addDiscussionBanner(QWidget* client);
KeyFactBoxes addKeyFacts(QWidget* client);
PromotionLabels addPromotions(QWidget* client);

} // namespace qvz
