// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/frmAbout.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "ui/common/FixedWindow.h"
#include "ui/common/Fonts.h"
#include "ui/common/Labels.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ProgramPalette.h"
#include "ui/common/TextFit.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace qvz {

namespace {

// Where the controls stand, in twips.
constexpr struct {
    QSize window = twipsSize(7140, 4365);
    QRect Picture1 = twipsRect(150, 90, 480, 480);
    QPoint Label2 = QPoint(twips(1110), twips(90));
    QRect Label1 = twipsRect(1110, 390, 5895, 2265);
    QRect lblHomePage = twipsRect(2955, 2670, 4050, 195);
    QRect Label3 = twipsRect(120, 3030, 6885, 435);
    QRect lblCoBrand = twipsRect(4650, 3525, 2355, 195);
    QRect Line1 = QRect(0, twips(3870), twips(7140), 2);
    QRect cmdOK = twipsRect(5745, 3960, 1260, 345);
} kLayout;

QString description()
{
    return QStringLiteral(
        "QV Zodiqa is an informative zodiac sun sign program based on Western astrology. "
        "It gives you interesting and little-known knowledge about a person according to "
        "the sun sign at the time of birth. It describes the mental attitude and the nature "
        "of the person. It tells in detail the characteristics and features of people born "
        "under a particular sun sign. The sun sign is the position of the sun in a particular "
        "sign at the time of a person's birth, calculated according to Western astrology. "
        "Knowing your sun sign helps you understand your positive and negative traits and so "
        "improve your personality.");
}

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setUpFixedWindow(*this, "frmAbout", kLayout.window);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kAboutOrange);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    addOkButton();
    addPicture();
    addTexts();
    addLinks();
    addRule();
    placeWindow(*this);
}

void frmAbout::addPicture()
{
    addIconPicture(this, "Picture1", kLayout.Picture1);
}

void frmAbout::addTexts()
{
    QLabel* title = addCaption(this, "Label2", windowCaption(), kLayout.Label2);
    title->setFont(verdana(9.75, true));
    title->adjustSize();

    addDescription(this, "Label1", description(), kLayout.Label1);

    QLabel* offer = addDescription(this, "Label3", homeBusinessOfferText(), kLayout.Label3);
    offer->setFont(verdana(8.25, true));
}

// The host is chosen at build time, so a link may need more room than its box; it grows to
// the left, keeping its right edge where the layout puts it.
void frmAbout::addLinks()
{
    LinkLabel* home =
        addLink(this, "lblHomePage", QStringLiteral("Click here to visit ") + siteHost(), Qt::white,
                kLayout.lblHomePage);
    LinkLabel* details =
        addLink(this, "lblCoBrand", moreDetailsText(), Qt::white, kLayout.lblCoBrand);
    for (LinkLabel* link : {home, details}) {
        link->setFont(verdana(8.25, false, true));
        link->setWordWrap(false);
        link->setAlignment(Qt::AlignRight | Qt::AlignTop);
        fitToText(link, TextFit::Leftwards);
    }
    connect(home, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);
    connect(details, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
}

void frmAbout::addRule()
{
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setAccessibleName(QStringLiteral("Separator"));
    rule->setGeometry(kLayout.Line1);
    QPalette colours = rule->palette();
    colours.setColor(QPalette::Window, Qt::black);
    rule->setPalette(colours);
    rule->setAutoFillBackground(true);
}

void frmAbout::addOkButton()
{
    cmdOK_ = new QPushButton(QStringLiteral("OK"), this);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setAccessibleName(QStringLiteral("OK"));
    cmdOK_->setFont(msSansSerif(8.25));
    cmdOK_->setGeometry(kLayout.cmdOK);
    cmdOK_->setDefault(true);
    connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
}

// OK is the cancel button as well as the default one, so Esc presses it too.
void frmAbout::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        cmdOK_->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

void frmAbout::lblHomePage_Click()
{
    openLink(platform_, LinkTarget::HomePage);
}

void frmAbout::lblCoBrand_Click()
{
    openLink(platform_, LinkTarget::FullyBrandedPage);
}

} // namespace qvz
