// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "profile/SignProfile.h"

#include <QList>
#include <QRgb>
#include <QString>

namespace qvz {

// One piece of the report with the character format it is inserted with.
// Line breaks inside text are CR LF.
struct ReportRun {
    QString text;
    bool bold;
    QRgb colour;
};

// The whole profile as the report window shows it, in insertion order.
QList<ReportRun> composeReport(const SignProfile& profile);

} // namespace qvz
