// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// The sign's prose, one routine per text field; only fillSignProfile reads these.
namespace qvz::libra {

QString generalTraits();
QString positiveTraits();
QString negativeTraits();
QString friendshipTraits();
QString compatibilityTraits();
QString motherTraits();
QString fatherTraits();
QString childTraits();
QString commonProfessions();
QString healthConcerns();
QString financialHabits();
QString fashionStyle();
QString travelHabits();
QString loveAndRomance();

} // namespace qvz::libra
