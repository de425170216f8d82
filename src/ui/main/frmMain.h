// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "ui/main/MainControls.h"
#include "ui/main/ProfileBoxes.h"

#include <QMainWindow>
#include <vector>

class QGroupBox;
class QListWidget;

namespace qvz {

class LinkLabel;
class Platform;
struct TopicPanel;

// The main window: the topic list, the stacked topic panels (each built when its topic is
// first chosen), the key facts, the menus and the link labels.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    // The two promotional labels, for the start-up draw that brings one to the front.
    const PromotionLabels& promotions() const { return promotions_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private slots:
    void showTopic(int position);
    void showAbout();
    void showReport();

private:
    void buildClientArea();
    void buildMenus();
    void bindUpdateLinks(const TopicPanel& built);
    void load();
    QGroupBox* panel(int position);
    void keepTabOrder();
    void bringToFront(int position);

    void Label61_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();
    void lblForum_Click();
    void lblAstrology_Click();
    void lblDaily_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuDonate_Click();

    Platform& platform_;
    QWidget* client_ = nullptr;
    QListWidget* topicList_ = nullptr;
    KeyFactBoxes keyFacts_;
    std::vector<QGroupBox*> panels_; // each built when its topic is first chosen
    QGroupBox* front_ = nullptr;
    PromotionLabels promotions_;
};

} // namespace qvz
