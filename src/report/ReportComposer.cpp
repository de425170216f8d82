// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "report/ReportComposer.h"

namespace qvz {

namespace {

const QRgb kTitleColour = qRgb(128, 0, 128);
const QRgb kHeadingColour = qRgb(0, 128, 128);
const QRgb kLabelColour = qRgb(128, 0, 0);
const QRgb kBodyColour = qRgb(0, 0, 0);

enum class StepKind {
    Title,   // bold title line
    Heading, // bold section heading
    Fact,    // dark red label, black value
    Body,    // black text
    Family,  // label and text as one black run
};

// A null field means the step has no profile value (titles and headings).
struct ReportStep {
    StepKind kind;
    const char* label;
    QString SignProfile::*field;
    int breaks;
};

using P = SignProfile;

// The report from top to bottom. The four trait sections end with three breaks so
// that two empty lines follow them; every other group leaves one.
const ReportStep kSteps[] = {
    {StepKind::Title, "Libra", nullptr, 2},
    {StepKind::Fact, "Birth Dates: ", &P::birthDates, 1},
    {StepKind::Fact, "Zodiac Symbol: ", &P::zodiacSymbol, 1},
    {StepKind::Fact, "Zodiac Element: ", &P::zodiacElement, 1},
    {StepKind::Fact, "Zodiac Quality: ", &P::zodiacQuality, 2},
    {StepKind::Heading, "Planets Associated", nullptr, 1},
    {StepKind::Fact, "Domicile Planet: ", &P::domicilePlanet, 1},
    {StepKind::Fact, "Detriment Planet: ", &P::detrimentPlanet, 1},
    {StepKind::Fact, "Exaltation Planet: ", &P::exaltationPlanet, 2},
    {StepKind::Heading, "Lucky Charm", nullptr, 1},
    {StepKind::Fact, "Birth Stone: ", &P::birthstone, 1},
    {StepKind::Fact, "Lucky Colors: ", &P::luckyColors, 1},
    {StepKind::Fact, "Lucky Numbers: ", &P::luckyNumbers, 1},
    {StepKind::Fact, "Lucky Day: ", &P::luckyDay, 1},
    {StepKind::Fact, "Lucky Gemstones: ", &P::luckyGemstones, 1},
    {StepKind::Fact, "Lucky Metals: ", &P::luckyMetals, 2},
    {StepKind::Heading, "General Traits", nullptr, 1},
    {StepKind::Body, nullptr, &P::generalTraits, 3},
    {StepKind::Heading, "Positive Traits", nullptr, 1},
    {StepKind::Body, nullptr, &P::positiveTraits, 3},
    {StepKind::Heading, "Negative Traits", nullptr, 1},
    {StepKind::Body, nullptr, &P::negativeTraits, 3},
    {StepKind::Heading, "Friendship Traits", nullptr, 1},
    {StepKind::Body, nullptr, &P::friendshipTraits, 3},
    {StepKind::Heading, "Compatibility Traits", nullptr, 1},
    {StepKind::Body, nullptr, &P::compatibilityTraits, 2},
    {StepKind::Heading, "Libra As Family", nullptr, 1},
    {StepKind::Family, "Libra As Mother: ", &P::motherTraits, 1},
    {StepKind::Family, "Libra As Father: ", &P::fatherTraits, 1},
    {StepKind::Family, "Libra As Child: ", &P::childTraits, 2},
    {StepKind::Heading, "Common Profession", nullptr, 1},
    {StepKind::Body, nullptr, &P::commonProfessions, 2},
    {StepKind::Heading, "Health Concern", nullptr, 1},
    {StepKind::Body, nullptr, &P::healthConcerns, 2},
    {StepKind::Heading, "Financial Habits", nullptr, 1},
    {StepKind::Body, nullptr, &P::financialHabits, 2},
    {StepKind::Heading, "Fashion Style", nullptr, 1},
    {StepKind::Body, nullptr, &P::fashionStyle, 2},
    {StepKind::Heading, "Travel Habits", nullptr, 1},
    {StepKind::Body, nullptr, &P::travelHabits, 2},
    {StepKind::Heading, "Love And Romance", nullptr, 1},
    {StepKind::Body, nullptr, &P::loveAndRomance, 2},
    {StepKind::Heading, "Famous Personalities", nullptr, 1},
    {StepKind::Body, nullptr, &P::famousPersonalities, 2},
};

QString breaks(int count)
{
    return QStringLiteral("\r\n").repeated(count);
}

void appendStep(QList<ReportRun>& runs, const ReportStep& step, const SignProfile& profile)
{
    const QString label = QString::fromLatin1(step.label);
    const QString value = step.field ? profile.*step.field : QString();
    const QString end = breaks(step.breaks);
    switch (step.kind) {
    case StepKind::Title:
        runs.append({label + end, true, kTitleColour});
        break;
    case StepKind::Heading:
        runs.append({label + end, true, kHeadingColour});
        break;
    case StepKind::Fact:
        runs.append({label, false, kLabelColour});
        runs.append({value + end, false, kBodyColour});
        break;
    case StepKind::Body:
        runs.append({value + end, false, kBodyColour});
        break;
    case StepKind::Family:
        runs.append({label + value + end, false, kBodyColour});
        break;
    }
}

} // namespace

QList<ReportRun> composeReport(const SignProfile& profile)
{
    QList<ReportRun> runs;
    for (const ReportStep& step : kSteps)
        appendStep(runs, step, profile);
    return runs;
}

} // namespace qvz
