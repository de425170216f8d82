// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "report/RtfWriter.h"

#include "platform/SaveTarget.h"

#include <QColor>
#include <QList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>

namespace qvz {

namespace {

const QRgb kDefaultTextColour = qRgb(0, 0, 0);
const int kFallbackHalfPoints = 24; // RTF's own default, 12 pt

struct RunFormat {
    bool bold = false;
    int colourIndex = 0; // index into the colour table; 0 is the reader's "auto"
    int halfPoints = 0;
};

QRgb textColour(const QTextCharFormat& format)
{
    const QBrush brush = format.foreground();
    if (brush.style() == Qt::NoBrush)
        return kDefaultTextColour;
    return brush.color().rgb() | 0xff000000u;
}

int halfPoints(qreal points)
{
    return points > 0 ? qRound(points * 2) : kFallbackHalfPoints;
}

// Black comes first so that a document without colours still names one.
QList<QRgb> usedColours(const QTextDocument& document)
{
    QList<QRgb> colours{kDefaultTextColour};
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QRgb colour = textColour(it.fragment().charFormat());
            if (!colours.contains(colour))
                colours.append(colour);
        }
    }
    return colours;
}

QByteArray header(const QList<QRgb>& colours, int defaultHalfPoints)
{
    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\r\n"
                     "{\\fonttbl{\\f0\\fswiss\\fcharset0 Verdana;}}\r\n"
                     "{\\colortbl ;";
    for (QRgb colour : colours) {
        out += "\\red" + QByteArray::number(qRed(colour)) + "\\green" +
               QByteArray::number(qGreen(colour)) + "\\blue" + QByteArray::number(qBlue(colour)) +
               ';';
    }
    out += "}\r\n\\pard\\plain\\f0\\fs" + QByteArray::number(defaultHalfPoints) + "\r\n";
    return out;
}

RunFormat runFormat(const QTextCharFormat& format, const QList<QRgb>& colours,
                    int defaultHalfPoints)
{
    RunFormat run;
    run.bold = format.fontWeight() > QFont::Medium;
    run.colourIndex = int(colours.indexOf(textColour(format))) + 1;
    run.halfPoints = format.hasProperty(QTextFormat::FontPointSize)
                         ? halfPoints(format.fontPointSize())
                         : defaultHalfPoints;
    return run;
}

void appendFormatChange(QByteArray& out, const RunFormat& from, const RunFormat& to)
{
    const qsizetype before = out.size();
    if (to.bold != from.bold)
        out += to.bold ? "\\b" : "\\b0";
    if (to.colourIndex != from.colourIndex)
        out += "\\cf" + QByteArray::number(to.colourIndex);
    if (to.halfPoints != from.halfPoints)
        out += "\\fs" + QByteArray::number(to.halfPoints);
    if (out.size() != before)
        out += ' ';
}

// Unicode escapes go in a group of their own: a reader that skips more than the one
// replacement character then cannot swallow the text that follows.
class TextEscaper {
public:
    explicit TextEscaper(QByteArray& out) : m_out(out) {}
    ~TextEscaper() { closeGroup(); }

    void append(char16_t unit)
    {
        if (unit == u'\t') {
            closeGroup();
            m_out += "\\tab ";
        } else if (unit >= 0x20 && unit <= 0x7e) {
            closeGroup();
            if (unit == u'\\' || unit == u'{' || unit == u'}')
                m_out += '\\';
            m_out += char(unit);
        } else {
            openGroup();
            // \u takes a signed 16-bit value; surrogates stay two escapes.
            m_out += "\\u" + QByteArray::number(qint16(unit)) + '?';
        }
    }

private:
    void openGroup()
    {
        if (!m_inGroup)
            m_out += '{';
        m_inGroup = true;
    }
    void closeGroup()
    {
        if (m_inGroup)
            m_out += '}';
        m_inGroup = false;
    }

    QByteArray& m_out;
    bool m_inGroup = false;
};

void appendText(QByteArray& out, const QString& text)
{
    TextEscaper escaper(out);
    for (QChar ch : text)
        escaper.append(ch.unicode());
}

} // namespace

QByteArray documentToRtf(const QTextDocument& document)
{
    const QList<QRgb> colours = usedColours(document);
    const int defaultHalfPoints = halfPoints(document.defaultFont().pointSizeF());
    QByteArray out = header(colours, defaultHalfPoints);
    RunFormat current;
    current.halfPoints = defaultHalfPoints;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            if (!fragment.isValid())
                continue;
            const RunFormat next = runFormat(fragment.charFormat(), colours, defaultHalfPoints);
            appendFormatChange(out, current, next);
            current = next;
            appendText(out, fragment.text());
        }
        // A paragraph end between blocks, so an empty last block reads back as a
        // trailing line break and a non-empty one as text without one.
        if (block.next().isValid())
            out += "\\par\r\n";
    }
    out += "}\r\n";
    return out;
}

QString saveRtfFile(const QTextDocument& document, const QString& path)
{
    return saveFileAtomically(path, documentToRtf(document));
}

} // namespace qvz
