// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>
#include <QStringList>

class QRandomGenerator;

namespace qvz {

struct ReferralRequest;

// The names of the referral page's value parameters, in the order of the address.
const QStringList& referralValueNames();

// Reads the address back as the site would, one fully decoded value per parameter.
QStringList decodedReferralValues(const QString& address);

// The values the address must carry for request, in the order of the parameters.
QStringList referralValues(const ReferralRequest& request);

// The names of every parameter of the address's query, in order.
QStringList queryItemNames(const QString& address);

// A value drawn from the whole of Unicode: controls, ASCII, the BMP and beyond it. Only
// noncharacters are left out: no keyboard produces them, and QUrl refuses to decode them.
QString randomReferralValue(QRandomGenerator& random);

} // namespace qvz
