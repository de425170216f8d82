// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/TopicPanels.h"

#include "profile/ProfileTopic.h"
#include "ui/common/Fonts.h"
#include "ui/common/Labels.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/TextFit.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"
#include "ui/main/PanelLayouts.h"
#include "ui/main/ReadOnlyBoxes.h"

#include <QGroupBox>
#include <algorithm>

namespace qvz {

namespace {

QGroupBox* makePanel(const QString& name, const QString& title, const QRect& rect, QWidget* parent)
{
    auto* panel = new QGroupBox(title, parent);
    panel->setObjectName(name);
    panel->setAccessibleName(title);
    panel->setGeometry(rect);
    // Opaque, so the panel in front hides the ones stacked behind it.
    panel->setAutoFillBackground(true);
    return panel;
}

// Only a panel's own title is bold: its children keep the window's regular font.
void boldenTitleOnly(QGroupBox* panel)
{
    for (QObject* child : panel->children()) {
        if (child->isWidgetType())
            static_cast<QWidget*>(child)->setFont(fixedTextFont(8.25));
    }
    panel->setFont(fixedTextFont(8.25, true));
}

void addCaption(const TopicField& entry, const QPoint& topLeft, QWidget* panel)
{
    qvz::addCaption(panel, entry.label, QLatin1String(entry.caption), topLeft,
                    QLatin1String(entry.hint));
}

// One caption beside a single-line box per row; the caption sits 45 twips lower than its box.
void addFactRows(TopicPanel& built, const ProfileTopic& topic)
{
    const PanelLayout& at = panelLayout(topic);
    int top = at.top;
    for (const TopicField& row : topic.fields) {
        addCaption(row, QPoint(twips(at.captionLeft), twips(top + 45)), built.panel);
        QWidget* box =
            makeFactBox(QLatin1String(row.box), QLatin1String(row.caption),
                        twipsRect(at.boxLeft, top, at.boxWidth, at.boxHeight), built.panel);
        built.boxes << ProfileBox{box, row.field};
        top += at.step;
    }
}

// Blocks of a caption with a multi-line box 240 twips below it.
void addFamily(TopicPanel& built, const ProfileTopic& topic)
{
    const PanelLayout& at = panelLayout(topic);
    int top = at.top;
    for (const TopicField& block : topic.fields) {
        addCaption(block, QPoint(twips(at.captionLeft), twips(top)), built.panel);
        QWidget* box =
            makeTextBox(QLatin1String(block.box), QLatin1String(block.caption),
                        twipsRect(at.boxLeft, top + 240, at.boxWidth, at.boxHeight), built.panel);
        built.boxes << ProfileBox{box, block.field};
        top += at.step;
    }
}

// The one box of the panel, named after the panel's title for assistive tools.
void addOneText(TopicPanel& built, const ProfileTopic& topic)
{
    const PanelLayout& at = panelLayout(topic);
    const TopicField& text = topic.fields.constFirst();
    QWidget* box =
        makeTextBox(QLatin1String(text.box), topic.text,
                    twipsRect(at.boxLeft, at.top, at.boxWidth, at.boxHeight), built.panel);
    built.boxes << ProfileBox{box, text.field};
}

// Two lines of the window's font are a pixel taller than some link boxes of the layout;
// such a box grows downwards to its text, into the free space below it.
void fillNewsFrame(TopicPanel& built, QGroupBox* frame)
{
    addDescription(frame, "lblUpdateInfo", updateInfoText(), twipsRect(120, 360, 2490, 1170));
    LinkLabel* forum =
        addLink(frame, "lblForum", forumLinkText(), kLinkBlue, twipsRect(120, 1920, 2055, 375));
    fitToText(forum, TextFit::Downwards);
    LinkLabel* astrology = addLink(frame, "lblAstrology", astrologyLinkText(), kLinkBlue,
                                   twipsRect(120, 2400, 2295, 615));
    astrology->wrapAfterDots();
    fitToText(astrology, TextFit::Downwards);
    built.lblForum = forum;
    built.lblAstrology = astrology;
}

// The style draws a frame's top line below its title, lower than the layout expects; a
// label placed above that line starts below it instead, keeping its bottom edge.
void keepBelowFrameLine(QWidget* child, const QGroupBox* frame)
{
    QRect rect = child->geometry();
    rect.setTop(std::max(rect.top(), frame->contentsRect().top()));
    child->setGeometry(rect);
}

void fillDailyFrame(TopicPanel& built, QGroupBox* frame)
{
    keepBelowFrameLine(addDescription(frame, "lblDailyHoroscope", dailyHoroscopeText(),
                                      twipsRect(120, 240, 2445, 2385)),
                       frame);
    LinkLabel* daily =
        addLink(frame, "lblDaily", dailyLinkText(), kLinkBlue, twipsRect(240, 2640, 2175, 375));
    daily->setAlignment(Qt::AlignCenter);
    fitToText(daily, TextFit::Downwards);
    built.lblDaily = daily;
}

void addUpdateLinks(TopicPanel& built)
{
    fillNewsFrame(built,
                  makePanel(QStringLiteral("Frame18"), QStringLiteral("New Updated Information"),
                            twipsRect(240, 360, 2655, 3135), built.panel));
    fillDailyFrame(built,
                   makePanel(QStringLiteral("Frame21"), QStringLiteral("Daily Libra Horoscope"),
                             twipsRect(3120, 360, 2655, 3135), built.panel));
}

void fillPanel(TopicPanel& built, const ProfileTopic& topic)
{
    switch (topic.kind) {
    case PanelKind::FactRows:
        addFactRows(built, topic);
        break;
    case PanelKind::OneText:
        addOneText(built, topic);
        break;
    case PanelKind::Family:
        addFamily(built, topic);
        break;
    case PanelKind::Links:
        addUpdateLinks(built);
        break;
    }
}

} // namespace

TopicPanel buildTopicPanel(const ProfileTopic& topic, QWidget* client)
{
    TopicPanel built;
    built.panel = makePanel(QStringLiteral("Frame%1").arg(topic.position + 1), topic.text,
                            topicPanelRect(), client);
    built.panel->hide();
    fillPanel(built, topic);
    boldenTitleOnly(built.panel);
    return built;
}

} // namespace qvz
