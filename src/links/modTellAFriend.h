// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

class QWidget;

namespace qvz {

class Platform;

// The values of one press of the refer-a-friend button.
struct ReferralRequest {
    QString senderName;
    QString senderEmail;
    QString message;
    QString friendName;
    QString friendEmail;
    QString address;
};

// The request of the last press in this run; empty until the first press.
ReferralRequest& lastReferralRequest();

// Removes U+0020 at both ends and nothing else: tabs and line breaks are part of the value.
QString trimSpaces(const QString& text);

// The referral page of the site with every value percent-encoded as UTF-8, so that "&",
// "=", "#", "+", line breaks and non-ASCII letters reach the site exactly as typed.
QString referralAddress(const ReferralRequest& request);

// A critical message with an OK button and the application title, owned by owner.
void showReferralMessage(Platform& platform, const QString& text, QWidget* owner);

// The button's whole sequence: stores the trimmed texts of entered as the last request
// (before any check, so a refused press still leaves them there), checks the two e-mail
// addresses and goes on with submitReferral.
void submitReferralForm(Platform& platform, const ReferralRequest& entered, QWidget* owner);

// Checks the names and the message of the last request and refuses a value longer than a
// line edit holds, then builds its address and opens it. Where no browser could be started
// to open it, a message says that the referral was not sent.
void submitReferral(Platform& platform, QWidget* owner = nullptr);

} // namespace qvz
