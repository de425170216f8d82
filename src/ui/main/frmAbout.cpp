// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/frmAbout.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ProgramIcon.h"
#include "ui/common/ProgramPalette.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace qvz {

namespace {

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

// The main window's fully-branded offer without its closing invitation to click, which
// here is the separate details link below it.
QString homeBusinessOffer()
{
    const QString offer = fullBrandOfferText();
    const int lastSentence = offer.lastIndexOf(QLatin1String(". "));
    return lastSentence < 0 ? offer : offer.left(lastSentence + 1);
}

// The host is chosen at build time, so a link may need more room than its box; it
// grows to the left, keeping its right edge where the layout puts it.
void widenLeftwardsToText(QLabel* label)
{
    const int needed = label->sizeHint().width();
    if (needed <= label->width())
        return;
    QRect rect = label->geometry();
    rect.setLeft(rect.right() + 1 - needed);
    label->setGeometry(rect);
}

LinkLabel* addLink(QWidget* parent, const char* name, const QString& text, const QRect& rect)
{
    auto* link = new LinkLabel(QLatin1String(name), text, Qt::white, parent);
    link->setFont(verdana(8.25, false, true));
    link->setWordWrap(false);
    link->setAlignment(Qt::AlignRight | Qt::AlignTop);
    link->setGeometry(rect);
    widenLeftwardsToText(link);
    return link;
}

} // namespace

frmAbout::frmAbout(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setUpWindow();
    addOkButton();
    addPicture();
    addTexts();
    addLinks();
    addRule();
    placeWindow(*this);
}

frmAbout::~frmAbout()
{
    releaseWindowDrawings();
}

void frmAbout::setUpWindow()
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(windowCaption());
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
    setFixedSize(twipsSize(7140, 4365));
    setFont(verdana(8.25));
    applyProgramPalette(*this);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, kAboutOrange);
    colours.setColor(QPalette::WindowText, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
}

void frmAbout::addPicture()
{
    auto* picture = addLabel(this, "Picture1", QString(), twipsRect(150, 90, 480, 480));
    picture->setAccessibleName(applicationTitle() + QStringLiteral(" icon"));
    picture->setPixmap(programIconPicture());
}

void frmAbout::addTexts()
{
    auto* title = addLabel(this, "Label2", windowCaption(), twipsRect(1110, 90, 2715, 240));
    title->setFont(verdana(9.75, true));
    title->adjustSize();

    auto* about = addLabel(this, "Label1", description(), twipsRect(1110, 390, 5895, 2265));
    about->setWordWrap(true);
    about->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto* offer = addLabel(this, "Label3", homeBusinessOffer(), twipsRect(120, 3030, 6885, 435));
    offer->setFont(verdana(8.25, true));
    offer->setWordWrap(true);
    offer->setAlignment(Qt::AlignLeft | Qt::AlignTop);
}

void frmAbout::addLinks()
{
    auto* home = addLink(this, "lblHomePage", QStringLiteral("Click here to visit ") + siteHost(),
                         twipsRect(2955, 2670, 4050, 195));
    connect(home, &LinkLabel::clicked, this, &frmAbout::lblHomePage_Click);

    auto* details = addLink(this, "lblCoBrand", QStringLiteral("Click here for more details."),
                            twipsRect(4650, 3525, 2355, 195));
    connect(details, &LinkLabel::clicked, this, &frmAbout::lblCoBrand_Click);
}

void frmAbout::addRule()
{
    auto* rule = new QFrame(this);
    rule->setObjectName(QStringLiteral("Line1"));
    rule->setAccessibleName(QStringLiteral("Separator"));
    rule->setGeometry(0, twips(3870), width(), 2);
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
    cmdOK_->setGeometry(twipsRect(5745, 3960, 1260, 345));
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
