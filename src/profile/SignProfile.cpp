// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/SignProfile.h"

#include "profile/LibraProse.h"

#include <QStringList>

namespace qvz {

namespace {

// Listed by occupation (actor, singer, actor, poet, president), not by year.
QString famousPersonalities()
{
    return QStringList{
        QStringLiteral("Sept 25th, 1944 - Michael Douglas - Moviestar"),
        QStringLiteral("Sept 23rd, 1949 - Bruce Springsteen - Singer"),
        QStringLiteral("Sept 25th, 1968 - Will Smith - Moviestar"),
        QStringLiteral("Sept 26th, 1888 - T. S. Eliot - Poet"),
        QStringLiteral("Oct 1st, 1924 - Jimmy Carter - US President"),
    }
        .join(QLatin1String("\r\n"));
}

} // namespace

const SignProfile& signProfile()
{
    // A function-local static is initialised once, even when threads race for it.
    static const SignProfile profile = fillSignProfile();
    return profile;
}

SignProfile fillSignProfile()
{
    SignProfile p;
    p.signName = QStringLiteral("Libra");
    p.birthDates = QStringLiteral("September 21 - October 20");
    p.zodiacSymbol = QStringLiteral("Scales");
    p.zodiacElement = QStringLiteral("Air");
    p.zodiacQuality = QStringLiteral("Cardinal");
    p.domicilePlanet = QStringLiteral("Venus");
    p.detrimentPlanet = QStringLiteral("Mars");
    p.exaltationPlanet = QStringLiteral("Saturn");
    p.birthstone = QStringLiteral("Opal, Quartz");
    p.luckyColors = QStringLiteral("Pink, Blue, Lavenders");
    p.luckyNumbers = QStringLiteral("Six, Nine");
    p.luckyDay = QStringLiteral("Friday");
    p.luckyGemstones = QStringLiteral("Opal, Agate, Tourmaline");
    p.luckyMetals = QStringLiteral("All metals");
    p.famousPersonalities = famousPersonalities();
    p.generalTraits = libra::generalTraits();
    p.positiveTraits = libra::positiveTraits();
    p.negativeTraits = libra::negativeTraits();
    p.friendshipTraits = libra::friendshipTraits();
    p.compatibilityTraits = libra::compatibilityTraits();
    p.motherTraits = libra::motherTraits();
    p.fatherTraits = libra::fatherTraits();
    p.childTraits = libra::childTraits();
    p.commonProfessions = libra::commonProfessions();
    p.healthConcerns = libra::healthConcerns();
    p.financialHabits = libra::financialHabits();
    p.fashionStyle = libra::fashionStyle();
    p.travelHabits = libra::travelHabits();
    p.loveAndRomance = libra::loveAndRomance();
    return p;
}

} // namespace qvz
