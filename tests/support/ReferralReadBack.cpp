// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "support/ReferralReadBack.h"

#include "links/LinkTarget.h"
#include "links/modTellAFriend.h"

#include <QRandomGenerator>
#include <QUrl>
#include <QUrlQuery>

namespace qvz {

const QStringList& referralValueNames()
{
    static const QStringList names = {
        QStringLiteral("taf1"), QStringLiteral("taf2"), QStringLiteral("taf3"),
        QStringLiteral("taf4"), QStringLiteral("taf5"), QStringLiteral("taf6"),
    };
    return names;
}

QStringList decodedReferralValues(const QString& address)
{
    const QUrlQuery query{QUrl(address)};
    QStringList values;
    for (const QString& name : referralValueNames())
        values << query.queryItemValue(name, QUrl::FullyDecoded);
    return values;
}

QStringList referralValues(const ReferralRequest& request)
{
    return {request.senderName, request.senderEmail, request.message,
            request.friendName, request.friendEmail, pageFolderAddress()};
}

QStringList queryItemNames(const QString& address)
{
    QStringList names;
    for (const auto& item : QUrlQuery{QUrl(address)}.queryItems())
        names << item.first;
    return names;
}

QString randomReferralValue(QRandomGenerator& random)
{
    QString value;
    const int length = random.bounded(0, 24);
    for (int i = 0; i < length; ++i) {
        char32_t code = 0;
        switch (random.bounded(4)) {
        case 0:
            code = random.bounded(0, 0x20); // C0 controls, NUL and CR LF among them
            break;
        case 1:
            code = random.bounded(0x20, 0x80);
            break;
        case 2:
            do
                code = random.bounded(0x80, 0x10000);
            while (QChar::isSurrogate(code));
            break;
        default:
            code = random.bounded(0x10000, 0x110000);
            break;
        }
        if (!QChar::isNonCharacter(code))
            value += QString::fromUcs4(&code, 1);
    }
    return value;
}

} // namespace qvz
