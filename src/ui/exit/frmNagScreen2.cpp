// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/exit/frmNagScreen2.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "platform/Platform.h"
#include "ui/common/ExitProgram.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"
#include "ui/common/Twips.h"
#include "ui/exit/ReferralForm.h"
#include "ui/exit/SupportMessages.h"

#include <QAccessibleWidget>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace qvz {

namespace {

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

// The host is chosen at build time, so a one-line caption may be longer than its box;
// it then steps down in size until the whole of it shows.
void shrinkFontToFit(QWidget* widget)
{
    QFont font = widget->font();
    while (widget->sizeHint().width() > widget->width() && font.pointSizeF() > 6.0) {
        font.setPointSizeF(font.pointSizeF() - 0.25);
        widget->setFont(font);
    }
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

frmNagScreen2::frmNagScreen2(Platform& platform, QWidget* parent)
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
}

void frmNagScreen2::setUpWindow()
{
    setObjectName(QStringLiteral("frmNagScreen2"));
    QAccessible::installFactory(exitScreenAccessible); // once: Qt keeps no duplicates
    // Topmost, so that the browser windows its links open never hide it.
    setWindowFlags(Qt::Window | Qt::WindowStaysOnTopHint | Qt::MSWindowsFixedSizeDialogHint |
                   Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(11115, 4725));
    setFont(verdana(8.25));
    applyProgramPalette(*this);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
}

void frmNagScreen2::addCaption()
{
    setWindowTitle(windowCaption());
    lblNagScreen2Caption_ =
        addLabel(this, "lblNagScreen2Caption", windowCaption(), twipsRect(1080, 240, 0, 0));
    lblNagScreen2Caption_->setFont(msSansSerif(18));
    lblNagScreen2Caption_->adjustSize();

    setWindowIcon(programIcon());
    picNagscreen2Icon_ =
        addLabel(this, "picNagscreen2Icon", QString(), twipsRect(360, 120, 540, 540));
    picNagscreen2Icon_->setAccessibleName(applicationTitle() + QStringLiteral(" icon"));
    picNagscreen2Icon_->setPixmap(programIconPicture());
}

void frmNagScreen2::addSupportMessage()
{
    Label2_ = addLabel(this, "Label2", QString(), twipsRect(120, 840, 6975, 1095));
    Label2_->setFont(verdana(9.75, true));
    Label2_->setWordWrap(true);
    Label2_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmNagScreen2::addVisitBox()
{
    const QString caption = visitBoardCaption();
    Check1_ = new QCheckBox(caption, this);
    Check1_->setObjectName(QStringLiteral("Check1"));
    Check1_->setAccessibleName(caption);
    Check1_->setGeometry(twipsRect(30, 2040, 7185, 555));
    Check1_->setFont(verdana(14.25));
    Check1_->setCursor(Qt::PointingHandCursor);
    setColours(Check1_, kBoardBlue);
    shrinkFontToFit(Check1_);
    // The value, not the mouse: a key, a click and an assistive tool's toggle all tick it.
    connect(Check1_, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
}

void frmNagScreen2::addExitButton()
{
    auto* cmdClose = new QPushButton(QStringLiteral("E&xit"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    cmdClose->setAccessibleName(QStringLiteral("Exit"));
    cmdClose->setGeometry(twipsRect(6000, 2760, 1245, 375));
    // Enter presses the button that has the focus, as it does in a dialog.
    cmdClose->setAutoDefault(true);
    cmdClose->setFocus();
    connect(cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
}

void frmNagScreen2::addReferralForm()
{
    auto* form = new ReferralForm(platform_, this);
    form->setGeometry(twipsRect(120, 3240, 7065, 1455));
}

void frmNagScreen2::addSoftwaresFrame()
{
    auto* frame = new QGroupBox(QStringLiteral("Download Orvane Softwares"), this);
    frame->setObjectName(QStringLiteral("Frame6"));
    frame->setAccessibleName(frame->title());
    frame->setGeometry(twipsRect(7320, 120, 3735, 4575));
    frame->setFont(verdana(9.75, true));
    setColours(frame, Qt::white, kNavy);

    auto* blurb = addLabel(frame, "Label3", familyBlurb(), twipsRect(120, 360, 3495, 3855));
    blurb->setAccessibleName(QStringLiteral("About Orvane Softwares"));
    blurb->setAccessibleDescription(blurb->text().simplified());
    blurb->setFont(verdana(9));
    blurb->setWordWrap(true);
    blurb->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* link =
        new LinkLabel(QStringLiteral("lblGoToHome"),
                      QStringLiteral("Click Here To Visit Orvane Softwares"), kLinkYellow, frame);
    link->setFont(verdana(9, true, true));
    link->setWordWrap(false);
    link->setGeometry(twipsRect(75, 4250, 3585, 210));
    shrinkFontToFit(link);
    connect(link, &LinkLabel::clicked, this, &frmNagScreen2::lblGoToHome_Click);
}

void frmNagScreen2::chooseSupportMessage()
{
    platform_.seedRandomFromClock();
    const int index = supportMessageIndex(platform_.nextRandom());
    Label2_->setText(supportMessage(index));
    Label2_->setAccessibleName(Label2_->text());
}

void frmNagScreen2::showEvent(QShowEvent* event)
{
    if (!centred_) {
        centred_ = true;
        centreOnScreen(*this);
    }
    QWidget::showEvent(event);
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
