// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/MainTexts.h"

#include "links/LinkTarget.h"

namespace qvz {

QString discussionBannerText()
{
    return QStringLiteral("Share your views on Libra. Join our discussion board. Visit %1")
        .arg(siteHost());
}

QString homeBusinessOfferText()
{
    return QStringLiteral("Start your own Internet business from home. Make money online. Get "
                          "this software fully branded for your web site.");
}

QString moreDetailsText()
{
    return QStringLiteral("Click here for more details.");
}

QString fullBrandOfferText()
{
    return homeBusinessOfferText() + QLatin1Char(' ') + moreDetailsText();
}

QString coBrandOfferText()
{
    return QStringLiteral("Co-brand this software with the name and link of your web site to "
                          "win loyal visitors and more traffic. See the help for details. Click "
                          "here for more information on co-branding.");
}

QString updateInfoText()
{
    return QStringLiteral("Read the latest news about your sun sign. See what other people "
                          "think of Libra and share your own views.");
}

QString forumLinkText()
{
    return QStringLiteral("Visit Libra Discussion    Forum Now");
}

QString astrologyLinkText()
{
    return QStringLiteral("Visit the latest Libra updates at %1").arg(siteHost());
}

QString dailyHoroscopeText()
{
    return QStringLiteral("Read your daily sun-sign horoscope free of charge. It tells you what "
                          "the stars hold for Libra today. A new one is written every day. "
                          "Read it before you plan your love life, work and money. It takes "
                          "only a minute.");
}

QString dailyLinkText()
{
    return QStringLiteral("Click Here to see Daily Libra Horoscope");
}

} // namespace qvz
