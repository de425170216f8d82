// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/exit/frmNagScreen2.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "platform/Platform.h"
#include "ui/common/ExitProgram.h"
#include "ui/common/FixedWindow.h"
#include "ui/common/Fonts.h"
#include "ui/common/Labels.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/TextFit.h"
#include "ui/common/Twips.h"
#include "ui/exit/ReferralForm.h"
#include "ui/exit/SupportMessages.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace qvz {

namespace {

// Where the controls stand, in twips.
constexpr struct {
    QSize window = twipsSize(11115, 4725);
    QRect picNagscreen2Icon = twipsRect(360, 120, 540, 540);
    QPoint lblNagScreen2Caption = QPoint(twips(1080), twips(240));
    QRect Label2 = twipsRect(120, 840, 6975, 1095);
    QRect Check1 = twipsRect(30, 2040, 7185, 555);
    QRect cmdClose = twipsRect(6000, 2760, 1245, 375);
    QRect Frame2 = twipsRect(120, 3240, 7065, 1455);
    QRect Frame6 = twipsRect(7320, 120, 3735, 4575);
    QRect Label3 = twipsRect(120, 360, 3495, 3855);     // in Frame6
    QRect lblGoToHome = twipsRect(75, 4250, 3585, 210); // in Frame6
} kLayout;

// Two paragraphs kept on one line of text: the run of blanks between them is wider
// than the box, so word wrapping starts the second paragraph on a line of its own.
QString familyBlurb()
{
    return QStringLiteral("If you enjoyed this program, you will like the other programs of "
                          "the Orvane Softwares family too. The family has grown into a large "
                          "collection on astrology, psychic, tarot, numerology and occult "
                          "subjects, so there is plenty to choose from.") +
           QString(61, QLatin1Char(' ')) +
           QStringLiteral("All Orvane Softwares programs are simple, easy, fun and "
                          "informative. Try them today and share the experience with your "
                          "friends and family.");
}

void setColours(QWidget* widget, const QColor& text, const QColor& background = QColor())
{
    QPalette colours = widget->palette();
    colours.setColor(QPalette::WindowText, text);
    colours.setColor(QPalette::ButtonText, text);
    if (background.isValid()) {
        colours.setColor(QPalette::Window, background);
        widget->setAutoFillBackground(true);
    }
    widget->setPalette(colours);
}

// A plain top-level widget is announced as a filler; the exit screen is a window, named by
// its caption as the other windows are.
QAccessibleInterface* exitScreenAccessible(const QString& className, QObject* object)
{
    if (className != QLatin1String("qvz::frmNagScreen2") || !object->isWidgetType())
        return nullptr;
    return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
}

} // namespace

frmNagScreen2::frmNagScreen2(Platform& platform, const QRect& mainWindow, QWidget* parent)
    : QWidget(parent), platform_(platform)
{
    setUpWindow();
    addExitButton();
    addCaption();
    addSupportMessage();
    addVisitBox();
    addReferralForm();
    addSoftwaresFrame();
    chooseSupportMessage();
    placeWindow(*this, mainWindow);
}

// Topmost, so that the browser windows its links open never hide it.
void frmNagScreen2::setUpWindow()
{
    setUpFixedWindow(*this, "frmNagScreen2", kLayout.window, Qt::Window | Qt::WindowStaysOnTopHint);
    QAccessible::installFactory(exitScreenAccessible); // once: Qt keeps no duplicates
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
}

void frmNagScreen2::addCaption()
{
    lblNagScreen2Caption_ = qvz::addCaption(this, "lblNagScreen2Caption", windowCaption(),
                                            kLayout.lblNagScreen2Caption);
    lblNagScreen2Caption_->setFont(msSansSerif(18));
    lblNagScreen2Caption_->adjustSize();
    picNagscreen2Icon_ = addIconPicture(this, "picNagscreen2Icon", kLayout.picNagscreen2Icon);
}

void frmNagScreen2::addSupportMessage()
{
    Label2_ = addDescription(this, "Label2", QString(), kLayout.Label2);
    Label2_->setFont(verdana(9.75, true));
}

void frmNagScreen2::addVisitBox()
{
    const QString caption = visitBoardCaption();
    Check1_ = new QCheckBox(caption, this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setAccessibleName(caption);
    Check1_->setGeometry(kLayout.Check1);
    Check1_->setFont(verdana(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    setColours(Check1_, kBoardBlue);
    // The host is chosen at build time, so the caption may be longer than its box.
    fitToText(Check1_, TextFit::SmallerFont);
    // The value, not the mouse: a key, a click and an assistive tool's toggle all tick it.
    connect(Check1_, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
}

void frmNagScreen2::addExitButton()
{
    auto* cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(QStringLiteral("Exit"));
    cmdClose->setGeometry(kLayout.cmdClose);
    // Enter presses the button that has the focus, as it does in a dialog.
    cmdClose->setAutoDefault(true);
    cmdClose->setFocus();
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
}

void frmNagScreen2::addReferralForm()
{
    auto* form = new ReferralForm(platform_, this);
    form->setGeometry(kLayout.Frame2);
}

void frmNagScreen2::addSoftwaresFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Download Orvane Softwares"), this);
    frame->setObjectName(QStringLiteral("Frame6"));
    frame->setAccessibleName(frame->title());
    frame->setGeometry(kLayout.Frame6);
    frame->setFont(verdana(9.75, true));
    setColours(frame, Qt::white, kNavy);

    QLabel* blurb = addDescription(frame, "Label3", familyBlurb(), kLayout.Label3);
    blurb->setAccessibleName(QStringLiteral("About Orvane Softwares"));
    blurb->setAccessibleDescription(blurb->text().simplified());
    blurb->setFont(verdana(9));

    LinkLabel* link =
        addLink(frame, "lblGoToHome", QStringLiteral("Click Here To Visit Orvane Softwares"),
                kLinkYellow, kLayout.lblGoToHome);
    link->setFont(verdana(9, true, true));
    link->setWordWrap(false);
    fitToText(link, TextFit::SmallerFont);
    connect(link, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::chooseSupportMessage()
{
    platform_.seedRandomFromClock();
    const int index = supportMessageIndex(platform_.nextRandom());
    Label2_->setText(supportMessage(index));
    Label2_->setAccessibleName(Label2_->text());
}

// Closing the screen in any way ends the program, exactly as the Exit button does.
void frmNagScreen2::closeEvent(QCloseEvent* event)
{
    QWidget::closeEvent(event);
    exitProgram(platform_);
}

// Clearing the box changes its value again; that second call finds it clear and does
// nothing, so the box never stays ticked and each tick opens the page once.
void frmNagScreen2::Check1_Click()
{
    if (!Check1_->isChecked())
        return;
    Check1_->setChecked(false);
    openLink(platform_, LinkTarget::HomePage, this);
}

void frmNagScreen2::lblGoToHome_Click()
{
    openLink(platform_, LinkTarget::SoftwaresPage, this);
}

void frmNagScreen2::cmdClose_Click()
{
    exitProgram(platform_);
}

} // namespace qvz
