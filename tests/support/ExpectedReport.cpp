// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "support/ExpectedReport.h"

#include <QFile>
#include <QRegularExpression>
#include <QtTest>

namespace qvz {

namespace {

const QLatin1String kBreak("\r\n");

QString escaped(QString text)
{
    return text.replace('\\', QLatin1String("\\\\"))
        .replace('\r', QLatin1String("\\r"))
        .replace('\n', QLatin1String("\\n"));
}

QString unescaped(QString text)
{
    return text
        .replace(QLatin1String("\\\\"), QChar(0)) // keeps "\\r" from reading as a break
        .replace(QLatin1String("\\r"), QChar('\r'))
        .replace(QLatin1String("\\n"), QChar('\n'))
        .replace(QChar(0), QChar('\\'));
}

} // namespace

QString describeRun(const ReportRun& run)
{
    const QString colour = QString::number(run.colour & 0xffffff, 16).rightJustified(6, '0');
    return QStringLiteral("%1 #%2 \"%3\"")
        .arg(run.bold ? "bold" : "plain", colour.toUpper(), escaped(run.text));
}

QStringList describeRuns(const QList<ReportRun>& runs)
{
    QStringList lines;
    for (const ReportRun& run : runs)
        lines << describeRun(run);
    return lines;
}

QList<ReportRun> expectedReport()
{
    QFile file(QStringLiteral(":/report.expected"));
    if (!file.open(QIODevice::ReadOnly)) {
        QTest::qFail("the expected report cannot be read", __FILE__, __LINE__);
        return {};
    }
    static const QRegularExpression line(QStringLiteral("^(bold|plain) #([0-9A-F]{6}) \"(.*)\"$"));
    QList<ReportRun> runs;
    for (const QString& text : QString::fromUtf8(file.readAll()).split('\n')) {
        if (text.isEmpty() || text.startsWith('#'))
            continue;
        const QRegularExpressionMatch run = line.match(text);
        if (!run.hasMatch()) {
            QTest::qFail(qPrintable("unreadable line of the expected report: " + text), __FILE__,
                         __LINE__);
            return {};
        }
        runs.append({unescaped(run.captured(3)), run.captured(1) == QLatin1String("bold"),
                     QRgb(0xff000000u | run.captured(2).toUInt(nullptr, 16))});
    }
    return runs;
}

QList<ReportSection> expectedSections()
{
    QList<ReportSection> sections;
    const QList<ReportRun> runs = expectedReport();
    for (qsizetype i = 1; i < runs.size(); ++i) { // the first run is the title
        const ReportRun& run = runs.at(i);
        if (run.bold)
            sections.append({run.text.chopped(kBreak.size()), QString()});
        else if (sections.isEmpty())
            sections.append({QString(), run.text});
        else
            sections.last().text += run.text;
    }
    for (ReportSection& section : sections) {
        while (section.text.endsWith(kBreak))
            section.text.chop(kBreak.size());
    }
    return sections;
}

QStringList expectedHeadings()
{
    QStringList headings;
    for (const ReportSection& section : expectedSections()) {
        if (!section.heading.isEmpty())
            headings << section.heading;
    }
    return headings;
}

} // namespace qvz
