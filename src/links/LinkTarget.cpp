// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "links/LinkTarget.h"

#include "AppInfo.h"
#include "platform/Platform.h"

namespace qvz {

namespace {

QString rootPage(const char* path)
{
    return QLatin1String("http://") + siteHost() + QLatin1String(path);
}

// A referral address can run to hundreds of kilobytes; its beginning says what it is.
constexpr qsizetype kLongestShownAddress = 200;

QString shownAddress(const QString& address)
{
    if (address.size() <= kLongestShownAddress)
        return address;
    qsizetype length = kLongestShownAddress;
    if (address.at(length - 1).isHighSurrogate())
        --length;
    return address.left(length) + QChar(0x2026); // horizontal ellipsis
}

} // namespace

QString siteHost()
{
    return QStringLiteral(QVZ_SITE_HOST);
}

QString pageFolderAddress()
{
    return QLatin1String("http://") + siteHost() + QLatin1String("/qv-free-zodiqa/");
}

QString scriptPageAddress(const char* page)
{
    return pageFolderAddress() + QLatin1String("ssd.php?page=") + QLatin1String(page);
}

QString visitBoardCaption()
{
    return QStringLiteral("Click Here To Visit ") + siteHost() + QStringLiteral(" Now");
}

QString linkAddress(LinkTarget target)
{
    switch (target) {
    case LinkTarget::HomePage:
        return scriptPageAddress("home-page");
    case LinkTarget::HelpPage:
        return scriptPageAddress("help-web-page");
    case LinkTarget::DownloadPage:
        return scriptPageAddress("download-web-page");
    case LinkTarget::DonatePage:
        return scriptPageAddress("donate");
    case LinkTarget::FullyBrandedPage:
        return scriptPageAddress("fully-branded");
    case LinkTarget::CoBrandPage:
        return scriptPageAddress("co-brand");
    case LinkTarget::SoftwaresPage:
        return scriptPageAddress("orvanesoftwares");
    case LinkTarget::SignForumPage:
        return rootPage("/libra_-_september_21_-_october_20");
    case LinkTarget::DailyHoroscopePage:
        return rootPage("/libra_-_daily_horoscope");
    }
    return QString();
}

QString browserFailureText(const QString& address)
{
    return QStringLiteral("No web browser could be started to open this address:\r\n") +
           shownAddress(address);
}

void openLink(Platform& platform, LinkTarget target, QWidget* owner)
{
    openLink(platform, linkAddress(target), owner);
}

void openLink(Platform& platform, const QString& address, QWidget* owner)
{
    if (!platform.openAddress(address))
        platform.showMessage({applicationTitle(), browserFailureText(address),
                              MessageIcon::Critical, MessageButtons::Ok, owner});
}

} // namespace qvz
