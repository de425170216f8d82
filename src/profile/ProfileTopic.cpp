// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/ProfileTopic.h"

namespace qvz {

namespace {

using P = SignProfile;

ProfileTopic oneText(const char* title, const char* box, QString SignProfile::*field,
                     int reportBreaks)
{
    return {0,
            QLatin1String(title),
            PanelKind::OneText,
            {{field, box, nullptr, nullptr, nullptr}},
            reportBreaks};
}

QList<ProfileTopic> makeTopics()
{
    QList<ProfileTopic> topics = {
        {0,
         QStringLiteral("Planets Associated"),
         PanelKind::FactRows,
         {{&P::domicilePlanet, "txtDomicilePlanet", "Label6", "Domicile Planet",
           "This signifies the planet that exercises a powerful energy on the sign."},
          {&P::detrimentPlanet, "txtDetrimentPlanet", "Label7", "Detriment Planet",
           "This signifies the planet that is unfavorable for this sign."},
          {&P::exaltationPlanet, "txtExaltationPlanet", "Label8", "Exaltation Planet",
           "This signifies the planet that interacts well with this sign."}},
         2},
        {0,
         QStringLiteral("Lucky Charm"),
         PanelKind::FactRows,
         {{&P::birthstone, "txtBirthstone", "Label9", "Birth Stone",
           "This signifies the birth gemstones for people born under this sign."},
          {&P::luckyColors, "txtLuckyColors", "Label10", "Lucky Colors",
           "This signifies the lucky colors for people born under this sign."},
          {&P::luckyNumbers, "txtLuckyNumbers", "Label11", "Lucky Numbers",
           "This signifies the lucky numbers for people born under this sign."},
          {&P::luckyDay, "txtLuckyDay", "Label12", "Lucky Day",
           "This signifies the lucky days for people born under this sign."},
          {&P::luckyGemstones, "txtLuckyGemstones", "Label13", "Lucky Gemstones",
           "This signifies the lucky gemstones for people born under this sign."},
          {&P::luckyMetals, "txtLuckyMetals", "Label14", "Lucky Metals",
           "This signifies the lucky metals to be used for people born under this sign."}},
         2},
        // The four trait sections leave two empty lines after them in the report.
        oneText("General Traits", "txtGeneralTraits", &P::generalTraits, 3),
        oneText("Positive Traits", "txtPositiveTraits", &P::positiveTraits, 3),
        oneText("Negative Traits", "txtNegativeTraits", &P::negativeTraits, 3),
        oneText("Friendship Traits", "txtFriendshipTraits", &P::friendshipTraits, 3),
        oneText("Compatibility Traits", "txtCompatibilityTraits", &P::compatibilityTraits, 2),
        {0,
         QStringLiteral("Libra As Family"),
         PanelKind::Family,
         {{&P::motherTraits, "txtMother", "Label20", "The Libra Mother",
           "This tells us more about the person as a mother.", "Libra As Mother: "},
          {&P::fatherTraits, "txtFather", "Label21", "The Libra Father",
           "This tells us more about the person as a father.", "Libra As Father: "},
          {&P::childTraits, "txtChild", "Label22", "The Libra Child",
           "This tells us more about the person as a child.", "Libra As Child: "}},
         2},
        oneText("Common Profession", "txtCommonProfessions", &P::commonProfessions, 2),
        oneText("Health Concern", "txtHealthConcerns", &P::healthConcerns, 2),
        oneText("Financial Habits", "txtFinancialHabits", &P::financialHabits, 2),
        oneText("Fashion Style", "txtFashionStyle", &P::fashionStyle, 2),
        oneText("Travel Habits", "txtTravel", &P::travelHabits, 2),
        oneText("Love And Romance", "txtLoveAndRomance", &P::loveAndRomance, 2),
        oneText("Famous Personalities", "txtFamous", &P::famousPersonalities, 2),
        {0, QStringLiteral("Update"), PanelKind::Links, {}, 0},
    };
    for (int position = 0; position < topics.size(); ++position)
        topics[position].position = position;
    return topics;
}

} // namespace

const QList<ProfileTopic>& profileTopics()
{
    static const QList<ProfileTopic> topics = makeTopics();
    return topics;
}

const ProfileTopic& keyFacts()
{
    static const ProfileTopic facts{
        -1,
        QString(),
        PanelKind::FactRows,
        {{&P::birthDates, "txtBirthDates", "Label2", "Birth Dates",
          "This gives the date period for this sun sign."},
         {&P::zodiacSymbol, "txtZodiacSymbol", "Label3", "Zodiac Symbol",
          "This signifies the symbol that represents this sign."},
         {&P::zodiacElement, "txtZodiacElement", "Label4", "Zodiac Element",
          "This describes the human characteristics of this sign."},
         {&P::zodiacQuality, "txtZodiacQuality", "Label5", "Zodiac Quality",
          "This signifies the attitude of the people under this sign."}},
        2};
    return facts;
}

} // namespace qvz
