// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "links/modTellAFriend.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "platform/Platform.h"

#include <QUrl>
#include <utility>

namespace qvz {

namespace {

const QLatin1Char space(' ');

QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

bool emailsAreDistinct(const ReferralRequest& request)
{
    return request.senderEmail != request.friendEmail;
}

bool bothEmailsContain(const ReferralRequest& request, QChar character)
{
    return request.senderEmail.contains(character) && request.friendEmail.contains(character);
}

// Empty or still the placeholder; exact, case-sensitive comparisons.
bool isMissing(const QString& value, const char* placeholder)
{
    return value.isEmpty() || value == QLatin1String(placeholder);
}

// A line edit holds no more than this: a longer value is refused, never cut.
constexpr qsizetype kLongestField = 32767;

// The name of the first field longer than that, or an empty string.
QString tooLongField(const ReferralRequest& request)
{
    const std::pair<const QString*, const char*> fields[] = {
        {&request.senderName, "Your Name"},
        {&request.senderEmail, "Your Email Address"},
        {&request.message, "Your Message"},
        {&request.friendName, "Friend's Name"},
        {&request.friendEmail, "Friend's Email Address"}};
    for (const auto& [value, name] : fields) {
        if (value->size() > kLongestField)
            return QLatin1String(name);
    }
    return QString();
}

} // namespace

ReferralRequest& lastReferralRequest()
{
    static ReferralRequest request;
    return request;
}

QString trimSpaces(const QString& text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == space)
        ++begin;
    while (end > begin && text.at(end - 1) == space)
        --end;
    return text.mid(begin, end - begin);
}

QString referralAddress(const ReferralRequest& request)
{
    // taf1 to taf6, in this order.
    const QString values[] = {request.senderName, request.senderEmail, request.message,
                              request.friendName, request.friendEmail, pageFolderAddress()};
    QString address = scriptPageAddress("qvos-refer-a-friend");
    int number = 0;
    for (const QString& value : values)
        address += QStringLiteral("&taf%1=").arg(++number) + encoded(value);
    return address;
}

void showReferralMessage(Platform& platform, const QString& text, QWidget* owner)
{
    MessageRequest message;
    message.caption = applicationTitle();
    message.text = text;
    message.icon = MessageIcon::Critical;
    message.buttons = MessageButtons::Ok;
    message.owner = owner;
    platform.showMessage(message);
}

void submitReferralForm(Platform& platform, const ReferralRequest& entered, QWidget* owner)
{
    ReferralRequest& request = lastReferralRequest();
    request.senderName = trimSpaces(entered.senderName);
    request.senderEmail = trimSpaces(entered.senderEmail);
    request.message = trimSpaces(entered.message);
    request.friendName = trimSpaces(entered.friendName);
    request.friendEmail = trimSpaces(entered.friendEmail);

    if (!emailsAreDistinct(request)) {
        showReferralMessage(platform, QStringLiteral("Please Enter Distinct Email Addresses"),
                            owner);
        return;
    }
    if (!bothEmailsContain(request, QLatin1Char('@')) ||
        !bothEmailsContain(request, QLatin1Char('.'))) {
        showReferralMessage(platform, QStringLiteral("Please Enter Proper Email Address"), owner);
        return;
    }
    submitReferral(platform, owner);
}

void submitReferral(Platform& platform, QWidget* owner)
{
    ReferralRequest& request = lastReferralRequest();
    if (isMissing(request.senderName, "Your Name")) {
        showReferralMessage(platform, QStringLiteral("Please Enter Your Name"), owner);
        return;
    }
    if (isMissing(request.message, "Your Message")) {
        showReferralMessage(platform, QStringLiteral("Please Enter Your Message"), owner);
        return;
    }
    if (isMissing(request.friendName, "Friend's Name")) {
        showReferralMessage(platform, QStringLiteral("Please Enter Your Friend's Name"), owner);
        return;
    }
    const QString tooLong = tooLongField(request);
    if (!tooLong.isEmpty()) {
        showReferralMessage(
            platform, tooLong + QStringLiteral(" Cannot Be Longer Than 32,767 Characters"), owner);
        return;
    }
    request.address = referralAddress(request);
    if (!platform.openAddress(request.address))
        showReferralMessage(platform,
                            QStringLiteral("The referral was not sent.\r\n") +
                                browserFailureText(request.address),
                            owner);
}

} // namespace qvz
