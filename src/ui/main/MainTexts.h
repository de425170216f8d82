// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qvz {

// The prose of the main window's banner, promotional labels and update panel.
QString discussionBannerText();
// The fully-branded offer is the home-business offer and the invitation to click for more
// details, which the about window shows apart.
QString homeBusinessOfferText();
QString moreDetailsText();
QString fullBrandOfferText();
QString coBrandOfferText();
QString updateInfoText();
QString forumLinkText();
QString astrologyLinkText();
QString dailyHoroscopeText();
QString dailyLinkText();

} // namespace qvz
