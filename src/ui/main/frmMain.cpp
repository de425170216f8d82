// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/frmMain.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "profile/ProfileTopic.h"
#include "profile/SignProfile.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"
#include "ui/exit/frmNagScreen2.h"
#include "ui/main/MainControls.h"
#include "ui/main/ReadOnlyBoxes.h"
#include "ui/main/TopicPanels.h"
#include "ui/main/frmAbout.h"
#include "ui/report/frmSave.h"

#include <QGroupBox>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace qvz {

namespace {

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

// Each box gets its field's text, in the order of the profile's fields.
void fillBoxes(const ProfileBoxes& boxes)
{
    const SignProfile& profile = signProfile();
    for (const ProfileBox& entry : boxes)
        setBoxText(entry.box, profile.*entry.field);
}

} // namespace

frmMain::frmMain(Platform& platform, QWidget* parent)
    : QMainWindow(parent), platform_(platform), panels_(profileTopics().size(), nullptr)
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(windowCaption());
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                   Qt::CustomizeWindowHint | Qt::MSWindowsFixedSizeDialogHint);
    applyProgramPalette(*this);
    setFont(fixedTextFont(8.25));
    buildMenus();
    {
        // The controls below all take the window's font, the only one its first frame shows.
        const DefaultFontWhileBuilding lent(font());
        buildClientArea();
        load();
        ensurePolished();
    }
    placeWindow(*this);
}

void frmMain::buildClientArea()
{
    client_ = addClientArea(this);
    addZodiacPicture(client_);
    topicList_ = addTopicList(client_);
    QPushButton* save = addSaveButton(client_);
    LinkLabel* banner = addDiscussionBanner(client_);
    keyFacts_ = addKeyFacts(client_);
    promotions_ = addPromotions(client_);

    connect(topicList_, &QListWidget::currentRowChanged, this, &frmMain::showTopic);
    connect(save, &QPushButton::clicked, this, &frmMain::showReport);
    connect(banner, &LinkLabel::clicked, this, &frmMain::Label61_Click);
    connect(promotions_.fullBrand, &LinkLabel::clicked, this, &frmMain::lblFullBrand_Click);
    connect(promotions_.coBrand, &LinkLabel::clicked, this, &frmMain::lblCobrand_Click);
}

void frmMain::buildMenus()
{
    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelpMenu"));
    // The drop-down opens as a window of its own and would not take the window's colours.
    applyProgramPalette(*help);
    // The drop-down is announced on its own when it opens, so it needs a name too.
    help->setAccessibleName(QStringLiteral("Help"));
    connect(addMenuEntry(help, "mnuOnline", QStringLiteral("&Online Help")), &QAction::triggered,
            this, &frmMain::mnuOnline_Click);
    connect(addMenuEntry(help, "mnuVisit", QStringLiteral("&Visit Us Online")), &QAction::triggered,
            this, &frmMain::mnuVisit_Click);
    addMenuSeparator(help, "mnuHelp1");
    connect(addMenuEntry(help, "mnuUpdate", QStringLiteral("Check for Software &Update")),
            &QAction::triggered, this, &frmMain::mnuUpdate_Click);
    addMenuSeparator(help, "mnuHelp2");
    QAction* about = addMenuEntry(help, "mnuAbout", QStringLiteral("&About Software"));
    connect(about, &QAction::triggered, this, &frmMain::showAbout);

    // A menu-bar item without a drop-down: clicking it, or Alt+D, is the command.
    QAction* donate = menuBar()->addAction(QStringLiteral("&Donate"));
    donate->setObjectName(QStringLiteral("mnuDonate"));
    connect(donate, &QAction::triggered, this, &frmMain::mnuDonate_Click);
}

void frmMain::bindUpdateLinks(const TopicPanel& built)
{
    if (!built.lblForum)
        return;
    connect(built.lblForum, &LinkLabel::clicked, this, &frmMain::lblForum_Click);
    connect(built.lblAstrology, &LinkLabel::clicked, this, &frmMain::lblAstrology_Click);
    connect(built.lblDaily, &LinkLabel::clicked, this, &frmMain::lblDaily_Click);
}

// Only the first topic's panel is built here: every other one waits for its topic to be
// chosen, so start-up neither builds nor lays out what nobody has seen yet.
void frmMain::load()
{
    for (const ProfileTopic& topic : profileTopics())
        topicList_->addItem(topic.text);
    fillBoxes(keyFacts_.boxes);
    bringToFront(0);
    topicList_->setCurrentRow(0);
}

// The panel of a topic, built, filled and bound the first time it is asked for.
QGroupBox* frmMain::panel(int position)
{
    if (panels_[position])
        return panels_[position];
    const TopicPanel built = buildTopicPanel(profileTopics().at(position), client_);
    fillBoxes(built.boxes);
    bindUpdateLinks(built);
    panels_[position] = built.panel;
    keepTabOrder();
    return built.panel;
}

// Tab walks the panels' boxes right after the key facts and before the offers below, in
// the order of the topics, however late a panel was built.
void frmMain::keepTabOrder()
{
    QWidget* previous = keyFacts_.lastInTabOrder;
    for (QGroupBox* built : panels_) {
        if (!built)
            continue;
        for (QWidget* control : built->findChildren<QWidget*>()) {
            if (control->focusPolicy() == Qt::NoFocus)
                continue;
            setTabOrder(previous, control);
            previous = control;
        }
    }
}

void frmMain::showTopic(int position)
{
    if (position >= 0 && position < int(panels_.size()))
        bringToFront(position);
}

// Only the panel in front is shown. Shown behind it, every other panel would lay out its
// long text and paint for nobody; hidden, each keeps its text, caret and scroll
// position, and the keyboard cannot wander into a panel nobody sees.
void frmMain::bringToFront(int position)
{
    QGroupBox* chosen = panel(position);
    chosen->show();
    chosen->raise();
    if (front_ && front_ != chosen)
        front_->hide();
    front_ = chosen;
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
    // Where the user was looking: on the monitor that showed most of this window.
    auto* exitScreen = new frmNagScreen2(platform_, geometry());
    exitScreen->setAttribute(Qt::WA_DeleteOnClose);
    exitScreen->show();
    QMainWindow::closeEvent(event);
}

void frmMain::Label61_Click()
{
    openLink(platform_, LinkTarget::HomePage);
}

void frmMain::lblFullBrand_Click()
{
    openLink(platform_, LinkTarget::FullyBrandedPage);
}

void frmMain::lblCobrand_Click()
{
    openLink(platform_, LinkTarget::CoBrandPage);
}

void frmMain::lblForum_Click()
{
    openLink(platform_, LinkTarget::SignForumPage);
}

void frmMain::lblAstrology_Click()
{
    openLink(platform_, LinkTarget::HelpPage);
}

void frmMain::lblDaily_Click()
{
    openLink(platform_, LinkTarget::DailyHoroscopePage);
}

void frmMain::mnuOnline_Click()
{
    openLink(platform_, LinkTarget::HelpPage);
}

void frmMain::mnuVisit_Click()
{
    openLink(platform_, LinkTarget::HomePage);
}

void frmMain::mnuUpdate_Click()
{
    openLink(platform_, LinkTarget::DownloadPage);
}

void frmMain::mnuDonate_Click()
{
    openLink(platform_, LinkTarget::DonatePage);
}

} // namespace qvz
