// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "report/WebAddress.h"

#include <QRegularExpression>

namespace qvz {

namespace {

// An address: its scheme or "www.", then everything up to a blank or a character that
// cannot stand in an address.
QString addressBody()
{
    return QStringLiteral(R"((?:https?://|www\.)[^\s<>"]+)");
}

const QRegularExpression& addressPattern()
{
    // The look-behind keeps addresses inside another scheme or path ("file://www.x",
    // "javascript:http://x", "a.www.x") from being taken for addresses of their own.
    static const QRegularExpression pattern(QLatin1String(R"((?<![\w.:/@\-]))") + addressBody(),
                                            QRegularExpression::CaseInsensitiveOption |
                                                QRegularExpression::UseUnicodePropertiesOption);
    return pattern;
}

bool startsWithNoCase(const QString& text, const char* prefix)
{
    return text.startsWith(QLatin1String(prefix), Qt::CaseInsensitive);
}

int prefixLength(const QString& address)
{
    if (startsWithNoCase(address, "https://"))
        return 8;
    if (startsWithNoCase(address, "http://"))
        return 7;
    return 4; // "www."
}

// A closing bracket belongs to the address only when the address opened it, as in
// "http://host/wiki/Name_(part)".
bool unbalancedCloser(const QString& address, QChar closer)
{
    const QChar opener = closer == QLatin1Char(')')   ? QLatin1Char('(')
                         : closer == QLatin1Char(']') ? QLatin1Char('[')
                                                      : QLatin1Char('{');
    return address.count(closer) > address.count(opener);
}

int trimmedLength(const QString& address)
{
    static const QString trailing = QStringLiteral(".,;:!?'");
    static const QString closers = QStringLiteral(")]}");
    int length = address.size();
    while (length > prefixLength(address)) {
        const QChar last = address.at(length - 1);
        const bool drop = trailing.contains(last) ||
                          (closers.contains(last) && unbalancedCloser(address.left(length), last));
        if (!drop)
            break;
        --length;
    }
    return length;
}

} // namespace

QList<AddressSpan> findWebAddresses(const QString& text)
{
    QList<AddressSpan> spans;
    QRegularExpressionMatchIterator matches = addressPattern().globalMatch(text);
    while (matches.hasNext()) {
        const QRegularExpressionMatch match = matches.next();
        const int length = trimmedLength(match.captured());
        // A bare "http://" or "www." names nothing.
        if (length > prefixLength(match.captured()))
            spans << AddressSpan{int(match.capturedStart()), length};
    }
    return spans;
}

AddressSpan addressSearchSpan(const QString& text, int from, int to)
{
    // The characters the address body excludes, so both agree on what ends an address.
    static const QRegularExpression ends(QStringLiteral(R"([\s<>"])"),
                                         QRegularExpression::UseUnicodePropertiesOption);
    // Back one character at a time: QString::lastIndexOf matches from the start of the
    // text, which would cost the whole paragraph on every keystroke.
    int start = qMin(from, int(text.size()));
    while (start > 0 && !ends.match(QStringView(text).mid(start - 1, 1)).hasMatch())
        --start;
    const int end = to < text.size() ? int(text.indexOf(ends, to)) : -1;
    const int stop = end < 0 ? int(text.size()) : end;
    return {start, stop - start};
}

QString webAddressToOpen(const QString& linkText)
{
    static const QRegularExpression whole(QRegularExpression::anchoredPattern(addressBody()),
                                          QRegularExpression::CaseInsensitiveOption |
                                              QRegularExpression::UseUnicodePropertiesOption);
    if (!whole.match(linkText).hasMatch())
        return QString();
    if (startsWithNoCase(linkText, "www."))
        return QLatin1String("http://") + linkText;
    return linkText;
}

} // namespace qvz
