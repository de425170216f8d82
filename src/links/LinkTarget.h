// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

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

// Hands the address to the browser and returns at once. When no browser could be
// started, a critical message over owner names the address and says so.
void openLink(Platform& platform, LinkTarget target, QWidget* owner = nullptr);
void openLink(Platform& platform, const QString& address, QWidget* owner = nullptr);

// "No web browser could be started ..." with the address, shortened where it would not
// fit a message box.
QString browserFailureText(const QString& address);

} // namespace qvz
