// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/frmMain.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "profile/SignProfile.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"
#include "ui/common/Twips.h"
#include "ui/exit/frmNagScreen2.h"
#include "ui/main/MainControls.h"
#include "ui/main/ReadOnlyBoxes.h"
#include "ui/main/TopicPanels.h"
#include "ui/main/frmAbout.h"
#include "ui/report/frmSave.h"

#include <QGroupBox>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <algorithm>
#include <functional>

namespace qvz {

namespace {

// The boxes get their texts in the order of the profile's fields, which is the order
// of their declaration and so of their addresses in the record.
void sortByField(ProfileBoxes& boxes)
{
    const SignProfile& profile = signProfile();
    std::sort(boxes.begin(), boxes.end(), [&profile](const ProfileBox& a, const ProfileBox& b) {
        return std::less<const QString*>()(&(profile.*a.field), &(profile.*b.field));
    });
}

QAction* addMenuEntry(QMenu* menu, const char* name, const QString& text)
{
    QAction* action = menu->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

void addMenuSeparator(QMenu* menu, const char* name)
{
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent) : QMainWindow(parent), platform_(platform)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(windowCaption());
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    applyProgramPalette(*this);
    setFont(verdana(8.25));
    buildMenus();
    buildClientArea();
    load();
}

void frmMain::buildClientArea()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsSize(8565, 6840));
    setCentralWidget(client);
    // The window is exactly the client area below the menu bar and cannot be resized.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    addZodiacPicture(client);
    topicList_ = addTopicList(client);
    QPushButton* save = addSaveButton(client);
    LinkLabel* banner = addDiscussionBanner(client);
    boxes_ = addKeyFacts(client);
    const TopicPanels topics = buildTopicPanels(client);
    panels_ = topics.panels;
    boxes_ << topics.boxes;
    sortByField(boxes_);
    promotions_ = addPromotions(client);

    connect(topicList_, &QListWidget::currentRowChanged, this, &frmMain::showTopic);
    connect(save, &QPushButton::clicked, this, &frmMain::showReport);
    bindLinkLabels(banner, topics);
}

void frmMain::buildMenus()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    // The drop-down opens as a window of its own and would not take the window's colours.
    applyProgramPalette(*help);
    // The drop-down is announced on its own when it opens, so it needs a name too.
    help->setAccessibleName(QStringLiteral("Help"));
    bindLink(addMenuEntry(help, "mnuOnline", QStringLiteral("&Online Help")), LinkTarget::HelpPage);
    bindLink(addMenuEntry(help, "mnuVisit", QStringLiteral("&Visit Us Online")),
             LinkTarget::HomePage);
    addMenuSeparator(help, "mnuHelp1");
    bindLink(addMenuEntry(help, "mnuUpdate", QStringLiteral("Check for Software &Update")),
             LinkTarget::DownloadPage);
    addMenuSeparator(help, "mnuHelp2");
    QAction* about = addMenuEntry(help, "mnuAbout", QStringLiteral("&About Software"));
    connect(about, &QAction::triggered, this, &frmMain::showAbout);

    // A menu-bar item without a drop-down: clicking it, or Alt+D, is the command.
    QAction* donate = menuBar()->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    bindLink(donate, LinkTarget::DonatePage);
}

void frmMain::bindLinkLabels(LinkLabel* banner, const TopicPanels& topics)
{
    bindLink(banner, LinkTarget::HomePage);
    bindLink(promotions_.fullBrand, LinkTarget::FullyBrandedPage);
    bindLink(promotions_.coBrand, LinkTarget::CoBrandPage);
    bindLink(topics.lblForum, LinkTarget::SignForumPage);
    bindLink(topics.lblAstrology, LinkTarget::HelpPage);
    bindLink(topics.lblDaily, LinkTarget::DailyHoroscopePage);
}

void frmMain::bindLink(LinkLabel* label, LinkTarget target)
{
    connect(label, &LinkLabel::clicked, this, [this, target] { openLink(platform_, target); });
}

void frmMain::bindLink(QAction* action, LinkTarget target)
{
    connect(action, &QAction::triggered, this, [this, target] { openLink(platform_, target); });
}

void frmMain::load()
{
    for (const ProfileTopic& topic : profileTopics())
        topicList_->addItem(topic.text);
    bringToFront(0);
    fillSignProfile();
    fillBoxes();
    topicList_->setCurrentRow(0);
}

void frmMain::fillBoxes()
{
    const SignProfile& profile = signProfile();
    for (const ProfileBox& entry : boxes_)
        setBoxText(entry.box, profile.*entry.field);
}

void frmMain::showTopic(int position)
{
    if (position >= 0 && position < kTopicCount)
        bringToFront(position);
}

// Only the panel in front is shown. Shown behind it, every other panel would lay out its
// long text at start-up and paint for nobody; hidden, each keeps its text, caret and
// scroll position, and the keyboard cannot wander into a panel nobody sees.
void frmMain::bringToFront(int position)
{
    QGroupBox* front = panels_[position];
    front->show();
    front->raise();
    for (QGroupBox* panel : panels_) {
        if (panel != front)
            panel->hide();
    }
}

void frmMain::showAbout()
{
    frmAbout(platform_, this).exec();
}

void frmMain::showReport()
{
    frmSave(platform_, this).exec();
}

// Closing the main window never ends the run: the exit screen takes over.
void frmMain::closeEvent(QCloseEvent* event)
{
    auto* exitScreen = new frmNagScreen2(platform_);
    exitScreen->setAttribute(Qt::WA_DeleteOnClose);
    exitScreen->show();
    QMainWindow::closeEvent(event);
}

void frmMain::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    if (centred_)
        return;
    centred_ = true;
    centreOnScreen(*this);
}

} // namespace qvz
