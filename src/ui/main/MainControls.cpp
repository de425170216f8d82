// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/MainControls.h"

#include "profile/ProfileTopic.h"
#include "ui/common/Fonts.h"
#include "ui/common/Labels.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ReadyImage.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"
#include "ui/main/PanelLayouts.h"
#include "ui/main/ReadOnlyBoxes.h"

#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMainWindow>
#include <QPixmap>
#include <QPushButton>

namespace qvz {

namespace {

// Where the window's own controls stand, in twips; the topic panels and the key facts
// have layouts of their own.
constexpr struct {
    QSize clientArea = twipsSize(8565, 6840);
    QRect picZodiac = twipsRect(120, 120, 2310, 3720);
    QRect lstOptions = twipsRect(120, 3945, 2295, 2175);
    QRect cmdSave = twipsRect(120, 6210, 2295, 375);
    QRect Frame19 = twipsRect(2520, 135, 6000, 585);
    QRect Label61 = twipsRect(0, 90, 6000, 390); // in Frame19
    QRect fraFullBrand = twipsRect(2520, 5700, 6000, 1095);
    QRect offers = twipsRect(120, 165, 5745, 855); // in fraFullBrand
} kLayout;

} // namespace

QWidget* addClientArea(QMainWindow* window)
{
    auto* client = new QWidget(window);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(kLayout.clientArea);
    window->setCentralWidget(client);
    // The window is exactly the client area below the menu bar and cannot be resized.
    window->layout()->setSizeConstraint(QLayout::SetFixedSize);
    return client;
}

void addZodiacPicture(QWidget* client)
{
    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("picZodiac"));
    picture->setAccessibleName(QStringLiteral("Picture of the sign Libra"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(kLayout.picZodiac);
    const QPixmap image = QPixmap::fromImage(readyImage(QStringLiteral(":/picZodiac.argb32")));
    if (image.isNull())
        return;
    picture->setPixmap(image);
    // The box is exactly the picture plus its border.
    const int border = 2 * picture->frameWidth();
    picture->resize(image.size() + QSize(border, border));
}

QListWidget* addTopicList(QWidget* client)
{
    auto* list = new QListWidget(client);
    list->setObjectName(QStringLiteral("lstOptions"));
    list->setAccessibleName(QStringLiteral("Topics"));
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setFrameStyle(QFrame::Box | QFrame::Plain);
    list->setLineWidth(1);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setGeometry(kLayout.lstOptions);
    return list;
}

QPushButton* addSaveButton(QWidget* client)
{
    auto* button = new QPushButton(QStringLiteral("&Save"), client);
    button->setObjectName(QStringLiteral("cmdSave"));
    button->setAccessibleName(QStringLiteral("Save"));
    button->setGeometry(kLayout.cmdSave);
    return button;
}

LinkLabel* addDiscussionBanner(QWidget* client)
{
    auto* banner = new QFrame(client);
    banner->setObjectName(QStringLiteral("Frame19"));
    banner->setAccessibleName(QStringLiteral("Discussion board"));
    banner->setFrameStyle(QFrame::NoFrame);
    banner->setGeometry(kLayout.Frame19);
    banner->setAutoFillBackground(true);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    banner->setPalette(palette);

    LinkLabel* label =
        addLink(banner, "Label61", discussionBannerText(), Qt::white, kLayout.Label61);
    label->setFont(fixedTextFont(8.25, true, true));
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

// Read from the top left, the places hold the facts from the last field to the first.
KeyFactBoxes addKeyFacts(QWidget* client)
{
    const QList<TopicField>& facts = keyFacts().fields;
    const QList<KeyFactPlace>& places = keyFactPlaces();
    KeyFactBoxes built;
    for (int place = 0; place < places.size(); ++place) {
        const TopicField& fact = facts.at(facts.size() - 1 - place);
        const KeyFactPlace& at = places.at(place);
        const QString caption = QLatin1String(fact.caption);
        addCaption(client, fact.label, caption, at.caption, QLatin1String(fact.hint));
        built.lastInTabOrder = makeFactBox(QLatin1String(fact.box), caption, at.box, client);
        built.boxes.prepend(ProfileBox{built.lastInTabOrder, fact.field});
    }
    return built;
}

PromotionLabels addPromotions(QWidget* client)
{
    return addOfferPair(client,
                        {QStringLiteral("Offers"), fullBrandOfferText(), coBrandOfferText()},
                        fixedTextFont(8.25, true, true), kLayout.fraFullBrand, kLayout.offers);
}

} // namespace qvz
