// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "profile/ProfileTopic.h"
#include "ui/main/MainControls.h"
#include "ui/main/ProfileBoxes.h"

#include <QMainWindow>
#include <array>

class QAction;
class QGroupBox;
class QListWidget;

namespace qvz {

class LinkLabel;
class Platform;
struct TopicPanels;
enum class LinkTarget;

// The main window: the topic list, the sixteen stacked topic panels, the key facts,
// the menus and the link labels.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

    // The two promotional labels, for the start-up draw that brings one to the front.
    const PromotionLabels& promotions() const { return promotions_; }

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void showTopic(int position);
    void showAbout();
    void showReport();

private:
    void buildClientArea();
    void buildMenus();
    void bindLinkLabels(LinkLabel* banner, const TopicPanels& topics);
    void bindLink(LinkLabel* label, LinkTarget target);
    void bindLink(QAction* action, LinkTarget target);
    void load();
    void fillBoxes();
    void bringToFront(int position);

    Platform& platform_;
    QListWidget* topicList_ = nullptr;
    std::array<QGroupBox*, kTopicCount> panels_{};
    ProfileBoxes boxes_;
    PromotionLabels promotions_;
    bool centred_ = false;
};

} // namespace qvz
