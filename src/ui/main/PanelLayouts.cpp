// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/PanelLayouts.h"

#include "profile/ProfileTopic.h"
#include "ui/common/Twips.h"

namespace qvz {

namespace {

using P = SignProfile;

constexpr PanelLayout kFactRows{240, 1920, 1200, 3855, 285, 480};
constexpr PanelLayout kOneText{0, 240, 360, 5500, 3105, 0};
constexpr PanelLayout kFamily{240, 240, 360, 5535, 750, 1080};
// The first two long texts are a little taller than the rest.
constexpr PanelLayout kTallText{0, 240, 360, 5500, 3150, 0};
// The update panel places its two frames itself.
constexpr PanelLayout kLinks{0, 0, 0, 0, 0, 0};

// A topic laid out unlike the rest of its kind, known by the field its panel shows first.
struct Exception {
    QString SignProfile::*firstField;
    PanelLayout layout;
};

const Exception kExceptions[] = {
    // Six rows: higher, closer together and wider than the three planets.
    {&P::birthstone, {120, 1800, 840, 3975, 285, 360}},
    {&P::generalTraits, kTallText},
    {&P::positiveTraits, kTallText},
};

const PanelLayout& kindLayout(PanelKind kind)
{
    switch (kind) {
    case PanelKind::FactRows:
        return kFactRows;
    case PanelKind::OneText:
        return kOneText;
    case PanelKind::Family:
        return kFamily;
    case PanelKind::Links:
        break;
    }
    return kLinks;
}

} // namespace

QRect topicPanelRect()
{
    return twipsRect(2520, 1980, 6000, 3705);
}

const PanelLayout& panelLayout(const ProfileTopic& topic)
{
    for (const Exception& exception : kExceptions) {
        if (!topic.fields.isEmpty() && topic.fields.constFirst().field == exception.firstField)
            return exception.layout;
    }
    return kindLayout(topic.kind);
}

const QList<KeyFactPlace>& keyFactPlaces()
{
    // Each caption stands above its box; the boxes are 2310 by 285 twips.
    static const QList<KeyFactPlace> places = {
        {QPoint(twips(2880), twips(870)), twipsRect(2910, 1080, 2310, 285)},
        {QPoint(twips(5640), twips(870)), twipsRect(5670, 1080, 2310, 285)},
        {QPoint(twips(2880), twips(1380)), twipsRect(2910, 1575, 2310, 285)},
        {QPoint(twips(5640), twips(1380)), twipsRect(5670, 1575, 2310, 285)},
    };
    return places;
}

} // namespace qvz
