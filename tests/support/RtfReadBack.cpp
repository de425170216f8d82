// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "support/RtfReadBack.h"

#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>

namespace qvz {

namespace {

// unrtf's own output formats lose information (its text format prints "?" for every
// escaped character), so the reader gives it a personality of its own: every piece of
// markup becomes SO tag argument SI, which cannot occur in text read from 7-bit RTF.
const char kProbePersonality[] = "forced_space\n\t\x0eS\x0f\n"
                                 "line_break\n\t\x0eP\x0f\n"
                                 "unisymbol_print\n\t\x0eU%\x0f\n"
                                 "bold_begin\n\t\x0e"
                                 "B\x0f\n"
                                 "bold_end\n\t\x0e"
                                 "b\x0f\n"
                                 "foreground_begin\n\t\x0e"
                                 "C%\x0f\n"
                                 "foreground_end\n\t\x0e"
                                 "c\x0f\n"
                                 "font_begin\n\t\x0e"
                                 "F%\x0f\n"
                                 "font_end\n\t\x0e"
                                 "f\x0f\n"
                                 "fontsize_begin\n\t\x0eZ%\x0f\n"
                                 "fontsize_end\n\t\x0ez\x0f\n";

// unrtf pads a tab with spaces to the next multiple of eight and then breaks the
// output line; paragraph ends, escapes and formatting come as tags.
QList<ReadRun> decode(const QByteArray& output)
{
    QList<ReadRun> runs;
    int boldDepth = 0;
    QStringList colours, fonts, sizes;
    // An end without its begin is left for the comparison to show, not a crash.
    auto pop = [](QStringList& stack) {
        if (!stack.isEmpty())
            stack.removeLast();
    };
    auto append = [&](const QString& piece) {
        appendRun(runs, {piece, boldDepth > 0, colours.isEmpty() ? QString() : colours.last(),
                         fonts.isEmpty() ? QString() : fonts.last(),
                         sizes.isEmpty() ? QString() : sizes.last()});
    };
    static const QRegularExpression tab("(\x0eS\x0f)+\n");
    const QString decoded = QString::fromLatin1(output);
    qsizetype i = 0;
    while (i < decoded.size()) {
        const QRegularExpressionMatch padding = tab.match(decoded, i);
        if (padding.hasMatch() && padding.capturedStart() == i) {
            append("\t");
            i = padding.capturedEnd();
            continue;
        }
        if (decoded.at(i) != QChar(0x0e)) {
            append(decoded.at(i));
            ++i;
            continue;
        }
        const qsizetype end = decoded.indexOf(QChar(0x0f), i);
        if (end < 0) {
            append(decoded.mid(i));
            break;
        }
        const QChar tag = decoded.at(i + 1);
        const QString argument = decoded.mid(i + 2, end - i - 2);
        i = end + 1;
        switch (tag.unicode()) {
        case 'P':
            append("\n");
            break;
        case 'U':
            append(QString(QChar(char16_t(argument.toUInt()))));
            break;
        case 'B':
            ++boldDepth;
            break;
        case 'b':
            --boldDepth;
            break;
        case 'C':
            colours.append(argument);
            break;
        case 'c':
            pop(colours);
            break;
        case 'F':
            fonts.append(argument);
            break;
        case 'f':
            pop(fonts);
            break;
        case 'Z':
            sizes.append(argument);
            break;
        case 'z':
            pop(sizes);
            break;
        default:
            append("[unknown tag " + QString(tag) + "]");
        }
    }
    return runs;
}

} // namespace

bool ReadRun::sameFormat(const ReadRun& other) const
{
    return bold == other.bold && colour == other.colour && font == other.font && size == other.size;
}

Unrtf::Unrtf()
{
    QFile conf(m_dir.filePath("probe.conf"));
    if (conf.open(QIODevice::WriteOnly))
        conf.write(kProbePersonality);
}

bool Unrtf::isValid() const
{
    return m_dir.isValid() && QFile::exists(m_dir.filePath("probe.conf"));
}

QByteArray Unrtf::run(const QStringList& options, const QByteArray& rtf) const
{
    const QString path = m_dir.filePath("input.rtf");
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(rtf) != rtf.size())
        return QByteArray();
    file.close();
    QProcess unrtf;
    unrtf.start("unrtf", options + QStringList{path});
    if (!unrtf.waitForFinished(30000) || unrtf.exitCode() != 0)
        return "unrtf failed: " + unrtf.readAllStandardError();
    return unrtf.readAllStandardOutput();
}

QList<ReadRun> Unrtf::read(const QByteArray& rtf) const
{
    return decode(run({"--quiet", "-P", m_dir.path(), "-t", "probe"}, rtf));
}

void appendRun(QList<ReadRun>& runs, const ReadRun& run)
{
    if (!runs.isEmpty() && runs.last().sameFormat(run))
        runs.last().text += run.text;
    else
        runs.append(run);
}

QString joinedText(const QList<ReadRun>& runs)
{
    QString text;
    for (const ReadRun& run : runs)
        text += run.text;
    return text;
}

QStringList describeRuns(const QList<ReadRun>& runs)
{
    QStringList out;
    for (const ReadRun& run : runs) {
        out << QStringLiteral("%1 %2 %3 %4 \"%5\"")
                   .arg(run.bold ? "bold" : "regular", run.colour, run.font, run.size,
                        QString(run.text).replace('\n', '|'));
    }
    return out;
}

QString collapseBlanks(QString text)
{
    static const QRegularExpression blanks(" {2,}");
    return text.replace(blanks, " ");
}

QString hexColour(unsigned int rgb)
{
    return QStringLiteral("#%1").arg(rgb & 0xffffff, 6, 16, QLatin1Char('0'));
}

bool bracesBalance(const QByteArray& rtf)
{
    int depth = 0;
    for (qsizetype i = 0; i < rtf.size(); ++i) {
        if (rtf.at(i) == '\\') {
            ++i;
            continue;
        }
        if (rtf.at(i) == '{')
            ++depth;
        else if (rtf.at(i) == '}' && --depth < 0)
            return false;
    }
    return depth == 0;
}

bool isSevenBit(const QByteArray& bytes)
{
    for (char c : bytes) {
        if (uchar(c) > 0x7f)
            return false;
    }
    return true;
}

QString randomCharacter(QRandomGenerator& random)
{
    static const QString ascii = " \\{}?;abcXYZ019 ";
    switch (random.bounded(8)) {
    case 0:
        return QString(ascii.at(random.bounded(int(ascii.size()))));
    case 1:
        return QString(QChar(char16_t(random.bounded(0x20, 0x7f))));
    case 2:
        return QStringLiteral("\t");
    case 3: {
        // Control characters; CR and LF are paragraph breaks, not text.
        static const QList<char16_t> controls = {0x00, 0x01, 0x07, 0x08, 0x0b, 0x0c,
                                                 0x1b, 0x1f, 0x7f, 0x80, 0x9f};
        return QString(QChar(controls.at(random.bounded(int(controls.size())))));
    }
    case 4:
        return QString(QChar(char16_t(random.bounded(0xa0, 0x800))));
    case 5:
    case 6: {
        char16_t unit;
        do {
            unit = char16_t(random.bounded(0x800, 0x10000));
        } while ((unit >= 0xd800 && unit <= 0xdfff) || unit == 0x2029 || unit == 0xfdd0 ||
                 unit == 0xfdd1);
        return QString(QChar(unit));
    }
    default: {
        const char32_t astral = char32_t(random.bounded(0x10000, 0x110000));
        return QString::fromUcs4(&astral, 1);
    }
    }
}

} // namespace qvz
