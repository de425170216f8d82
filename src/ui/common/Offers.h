// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QFont;
class QRect;
class QWidget;

namespace qvz {

class LinkLabel;

// The two offers to web site owners, lblFullBrand and lblCobrand, on one rectangle: the
// one in front is the one seen.
struct PromotionLabels {
    LinkLabel* fullBrand = nullptr;
    LinkLabel* coBrand = nullptr;
};

// What the offers' frame is called and what its offers say.
struct OfferTexts {
    QString frame;
    QString fullBrand;
    QString coBrand;
};

// Adds the frame fraFullBrand at frame and both offers inside it at offers: blue, centred
// and opaque, so that the co-brand offer, put in front, hides the other completely.
PromotionLabels addOfferPair(QWidget* parent, const OfferTexts& texts, const QFont& font,
                             const QRect& frame, const QRect& offers);

} // namespace qvz
