// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/common/Offers.h"

#include "ui/common/Labels.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ProgramColours.h"

#include <QGroupBox>

namespace qvz {

PromotionLabels addOfferPair(QWidget* parent, const OfferTexts& texts, const QFont& font,
                             const QRect& frame, const QRect& offers)
{
    auto* box = new QGroupBox(parent);
    box->setObjectName(QStringLiteral("fraFullBrand"));
    box->setAccessibleName(texts.frame);
    box->setGeometry(frame);

    const PromotionLabels built{addLink(box, "lblFullBrand", texts.fullBrand, kLinkBlue, offers),
                                addLink(box, "lblCobrand", texts.coBrand, kLinkBlue, offers)};
    for (LinkLabel* offer : {built.fullBrand, built.coBrand}) {
        offer->setFont(font);
        offer->setAlignment(Qt::AlignCenter);
        offer->setAutoFillBackground(true);
    }
    built.coBrand->bringInFrontOf(built.fullBrand);
    return built;
}

} // namespace qvz
