// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/exit/SupportMessages.h"

#include "links/LinkTarget.h"

#include <algorithm>
#include <cmath>

namespace qvz {

int supportMessageIndex(float random)
{
    const float scaled = std::floor(random * float(supportMessageCount));
    // A product that rounds up to 4 must still pick the last message.
    return static_cast<int>(std::clamp(scaled, 0.0f, float(supportMessageCount - 1)));
}

QString supportMessage(int index)
{
    const QString host = siteHost();
    switch (index) {
    case 0:
        return QStringLiteral("Orvane Softwares programs are only made and kept up with your "
                              "support. The best way to support the Tarnwell board is to visit "
                              "%1 regularly and join the discussions and activities there.")
            .arg(host);
    case 1:
        return QStringLiteral("Please visit the Tarnwell web site at %1 regularly and support "
                              "it by joining its discussions and activities. Without your "
                              "visits these programs cannot be supported and maintained.")
            .arg(host);
    case 2:
        return QStringLiteral("The Tarnwell web site at %1 is a free online discussion forum on "
                              "esoteric subjects. To help it develop and maintain this program, "
                              "please visit it regularly.")
            .arg(host);
    default:
        return QStringLiteral("The Tarnwell web site at %1 needs your help. Just visit it "
                              "regularly and take part in the discussions and activities, so "
                              "that more Orvane Softwares programs can be maintained and "
                              "developed.")
            .arg(host);
    }
}

} // namespace qvz
