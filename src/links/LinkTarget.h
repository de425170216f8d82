// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

namespace qvz {

class Platform;

// The named pages of the maker's web site.
enum class LinkTarget {
    HomePage,
    HelpPage,
    DownloadPage,
    DonatePage,
    FullyBrandedPage,
    CoBrandPage,
    SoftwaresPage,
    SignForumPage,
    DailyHoroscopePage,
};

// The host of the maker's web site, fixed when the program is built.
QString siteHost();

// "http://" + host + "/qv-free-zodiqa/": the folder that holds the program's pages.
QString pageFolderAddress();

// A page of the program's page script: the folder's "ssd.php?page=" + page.
QString scriptPageAddress(const char* page);

// "Click Here To Visit " + host + " Now": the invitation to the maker's board.
QString visitBoardCaption();

QString linkAddress(LinkTarget target);

// Hands the address to the browser and returns at once; a failure changes nothing.
void openLink(Platform& platform, LinkTarget target);
void openLink(Platform& platform, const QString& address);

} // namespace qvz
