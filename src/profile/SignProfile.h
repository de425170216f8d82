// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qvz {

// The fixed data of the one sign the program presents. Multi-part texts separate
// their lines (famousPersonalities) with CR LF and their paragraphs with CR LF CR LF.
struct SignProfile {
    QString signName;
    QString birthDates;
    QString zodiacSymbol;
    QString zodiacElement;
    QString zodiacQuality;
    QString domicilePlanet;
    QString detrimentPlanet;
    QString exaltationPlanet;
    QString birthstone;
    QString luckyColors;
    QString luckyNumbers;
    QString luckyDay;
    QString luckyGemstones;
    QString luckyMetals;
    QString famousPersonalities;
    QString generalTraits;
    QString positiveTraits;
    QString negativeTraits;
    QString friendshipTraits;
    QString compatibilityTraits;
    QString motherTraits;
    QString fatherTraits;
    QString childTraits;
    QString commonProfessions;
    QString healthConcerns;
    QString financialHabits;
    QString fashionStyle;
    QString travelHabits;
    QString loveAndRomance;
};

// The process-wide record, filled the first time it is read (by whichever window or
// thread comes first) and constant afterwards.
const SignProfile& signProfile();

// The sign's data: all 29 fields, assigned in declaration order.
SignProfile fillSignProfile();

} // namespace qvz
