// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QString>

namespace qvz {

// Where a web address lies in a text: first character and length.
struct AddressSpan {
    int start = 0;
    int length = 0;
};

inline bool operator==(const AddressSpan& a, const AddressSpan& b)
{
    return a.start == b.start && a.length == b.length;
}

// Every web address in the text: words that begin with "http://", "https://" or
// "www.", without the punctuation that usually follows an address in prose.
QList<AddressSpan> findWebAddresses(const QString& text);

// The part of text in which the addresses may differ once [from, to) has been edited.
// Addresses never reach across a blank, "<", ">" or a double quote, so it runs from just
// after the last of those before from to the first at or after to; the addresses found in
// that part alone are exactly those the whole text holds there.
AddressSpan addressSearchSpan(const QString& text, int from, int to);

// The address to hand to the browser for a link's text, or an empty string when the
// text is not a web address ("www." gets "http://" in front; any other scheme is refused).
QString webAddressToOpen(const QString& linkText);

} // namespace qvz
