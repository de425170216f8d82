// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/MainControls.h"

#include "profile/ProfileTopic.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ReadyImage.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"
#include "ui/main/ReadOnlyBoxes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <iterator>

namespace qvz {

namespace {

// Where the key facts stand, in twips: a caption above each box, two by two, read from
// the top left.
struct Place {
    int labelLeft;
    int labelTop;
    int boxLeft;
    int boxTop;
};

const Place kKeyFactPlaces[] = {
    {2880, 870, 2910, 1080},
    {5640, 870, 5670, 1080},
    {2880, 1380, 2910, 1575},
    {5640, 1380, 5670, 1575},
};

} // namespace

void addZodiacPicture(QWidget* client)
{
    auto* picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("picZodiac"));
    picture->setAccessibleName(QStringLiteral("Picture of the sign Libra"));
    picture->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    picture->setLineWidth(2);
    picture->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picture->setGeometry(twipsRect(120, 120, 2310, 3720));
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
    list->setGeometry(twipsRect(120, 3945, 2295, 2175));
    return list;
}

QPushButton* addSaveButton(QWidget* client)
{
    auto* button = new QPushButton(QStringLiteral("&Save"), client);
    button->setObjectName(QStringLiteral("cmdSave"));
    button->setAccessibleName(QStringLiteral("Save"));
    button->setGeometry(twipsRect(120, 6210, 2295, 375));
    return button;
}

LinkLabel* addDiscussionBanner(QWidget* client)
{
    auto* banner = new QFrame(client);
    banner->setObjectName(QStringLiteral("Frame19"));
    banner->setAccessibleName(QStringLiteral("Discussion board"));
    banner->setFrameStyle(QFrame::NoFrame);
    banner->setGeometry(twipsRect(2520, 135, 6000, 585));
    banner->setAutoFillBackground(true);
    QPalette palette = banner->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Highlight));
    banner->setPalette(palette);

    auto* label =
        new LinkLabel(QStringLiteral("Label61"), discussionBannerText(), QColor(Qt::white), banner);
    label->setFont(fixedTextFont(8.25, true, true));
    label->setAlignment(Qt::AlignCenter);
    label->setAttribute(Qt::WA_TranslucentBackground);
    label->setGeometry(twipsRect(0, 90, 6000, 390));
    return label;
}

// Read from the top left, the places hold the facts from the last field to the first.
KeyFactBoxes addKeyFacts(QWidget* client)
{
    const QList<TopicField>& facts = keyFacts().fields;
    KeyFactBoxes built;
    for (int place = 0; place < int(std::size(kKeyFactPlaces)); ++place) {
        const TopicField& fact = facts.at(facts.size() - 1 - place);
        const Place& at = kKeyFactPlaces[place];
        const QString caption = QLatin1String(fact.caption);
        makeCaption(QLatin1String(fact.label), caption, QLatin1String(fact.hint),
                    QPoint(twips(at.labelLeft), twips(at.labelTop)), client);
        built.lastInTabOrder = makeFactBox(QLatin1String(fact.box), caption,
                                           twipsRect(at.boxLeft, at.boxTop, 2310, 285), client);
        built.boxes.prepend(ProfileBox{built.lastInTabOrder, fact.field});
    }
    return built;
}

PromotionLabels addPromotions(QWidget* client)
{
    auto* frame = new QGroupBox(client);
    frame->setObjectName(QStringLiteral("fraFullBrand"));
    frame->setAccessibleName(QStringLiteral("Offers"));
    frame->setGeometry(twipsRect(2520, 5700, 6000, 1095));

    const QRect place = twipsRect(120, 165, 5745, 855);
    auto* fullBrand =
        new LinkLabel(QStringLiteral("lblFullBrand"), fullBrandOfferText(), kLinkBlue, frame);
    auto* coBrand =
        new LinkLabel(QStringLiteral("lblCobrand"), coBrandOfferText(), kLinkBlue, frame);
    for (LinkLabel* label : {fullBrand, coBrand}) {
        label->setFont(fixedTextFont(8.25, true, true));
        label->setAlignment(Qt::AlignCenter);
        label->setGeometry(place);
        // Opaque, so the label in front hides the one behind it completely.
        label->setAutoFillBackground(true);
    }
    coBrand->bringInFrontOf(fullBrand);
    return {fullBrand, coBrand};
}

} // namespace qvz
