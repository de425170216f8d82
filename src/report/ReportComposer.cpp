// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "report/ReportComposer.h"

#include "profile/ProfileTopic.h"
#include "report/ReportPalette.h"

namespace qvz {

namespace {

using namespace reportPalette;

QString breaks(int count)
{
    return QStringLiteral("\r\n").repeated(count);
}

// One line per field, each ending in one break but the last, which ends the section.
void appendLines(QList<ReportRun>& runs, const ProfileTopic& topic, const SignProfile& profile)
{
    for (qsizetype i = 0; i < topic.fields.size(); ++i) {
        const TopicField& line = topic.fields.at(i);
        const QString value =
            profile.*line.field + breaks(i + 1 < topic.fields.size() ? 1 : topic.reportBreaks);
        switch (topic.kind) {
        case PanelKind::FactRows:
            runs.append({QLatin1String(line.caption) + QLatin1String(": "), false, kLabel});
            runs.append({value, false, kBody});
            break;
        case PanelKind::Family: // label and text in one black run
            runs.append({QLatin1String(line.reportLabel) + value, false, kBody});
            break;
        case PanelKind::OneText:
        case PanelKind::Links:
            runs.append({value, false, kBody});
            break;
        }
    }
}

} // namespace

QList<ReportRun> composeReport(const SignProfile& profile)
{
    QList<ReportRun> runs{{QStringLiteral("Libra") + breaks(2), true, kTitle}};
    appendLines(runs, keyFacts(), profile);
    for (const ProfileTopic& topic : profileTopics()) {
        if (topic.fields.isEmpty())
            continue;
        runs.append({topic.text + breaks(1), true, kHeading});
        appendLines(runs, topic, profile);
    }
    return runs;
}

} // namespace qvz
