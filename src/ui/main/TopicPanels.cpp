// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/main/TopicPanels.h"

#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"
#include "ui/main/ReadOnlyBoxes.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <algorithm>

namespace qvz {

namespace {

const QColor kLinkBlue(0, 0, 255);

struct CaptionedBox {
    const char* label;
    const char* caption;
    const char* hint;
    const char* box;
    QString SignProfile::*field;
};

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
            static_cast<QWidget*>(child)->setFont(verdana(8.25));
    }
    panel->setFont(verdana(8.25, true));
}

// One label beside a single-line box per row; the label sits 45 twips lower than its box.
void addFactRows(TopicPanels& built, QGroupBox* panel,
                 const std::initializer_list<CaptionedBox>& rows, int labelLeft,
                 const QRect& firstBox, int step)
{
    int top = firstBox.top();
    for (const CaptionedBox& row : rows) {
        const QString caption = QLatin1String(row.caption);
        makeCaption(QLatin1String(row.label), caption, QLatin1String(row.hint),
                    QPoint(twips(labelLeft), twips(top + 45)), panel);
        QWidget* box = makeFactBox(
            QLatin1String(row.box), caption,
            twipsRect(firstBox.left(), top, firstBox.width(), firstBox.height()), panel);
        built.boxes << ProfileBox{box, row.field};
        top += step;
    }
}

void fillPlanets(TopicPanels& built, QGroupBox* panel)
{
    addFactRows(built, panel,
                {{"Label6", "Domicile Planet",
                  "This signifies the planet that exercises a powerful energy on the sign.",
                  "txtDomicilePlanet", &SignProfile::domicilePlanet},
                 {"Label7", "Detriment Planet",
                  "This signifies the planet that is unfavorable for this sign.",
                  "txtDetrimentPlanet", &SignProfile::detrimentPlanet},
                 {"Label8", "Exaltation Planet",
                  "This signifies the planet that interacts well with this sign.",
                  "txtExaltationPlanet", &SignProfile::exaltationPlanet}},
                240, QRect(1920, 1200, 3855, 285), 480);
}

void fillLuckyCharms(TopicPanels& built, QGroupBox* panel)
{
    addFactRows(
        built, panel,
        {{"Label9", "Birth Stone",
          "This signifies the birth gemstones for people born under this sign.", "txtBirthstone",
          &SignProfile::birthstone},
         {"Label10", "Lucky Colors",
          "This signifies the lucky colors for people born under this sign.", "txtLuckyColors",
          &SignProfile::luckyColors},
         {"Label11", "Lucky Numbers",
          "This signifies the lucky numbers for people born under this sign.", "txtLuckyNumbers",
          &SignProfile::luckyNumbers},
         {"Label12", "Lucky Day", "This signifies the lucky days for people born under this sign.",
          "txtLuckyDay", &SignProfile::luckyDay},
         {"Label13", "Lucky Gemstones",
          "This signifies the lucky gemstones for people born under this sign.",
          "txtLuckyGemstones", &SignProfile::luckyGemstones},
         {"Label14", "Lucky Metals",
          "This signifies the lucky metals to be used for people born under this sign.",
          "txtLuckyMetals", &SignProfile::luckyMetals}},
        120, QRect(1800, 840, 3975, 285), 360);
}

// Three blocks, each a caption with a multi-line box 240 twips below it.
void fillFamily(TopicPanels& built, QGroupBox* panel)
{
    const CaptionedBox blocks[] = {
        {"Label20", "The Libra Mother", "This tells us more about the person as a mother.",
         "txtMother", &SignProfile::motherTraits},
        {"Label21", "The Libra Father", "This tells us more about the person as a father.",
         "txtFather", &SignProfile::fatherTraits},
        {"Label22", "The Libra Child", "This tells us more about the person as a child.",
         "txtChild", &SignProfile::childTraits},
    };
    int top = 360;
    for (const CaptionedBox& block : blocks) {
        const QString caption = QLatin1String(block.caption);
        makeCaption(QLatin1String(block.label), caption, QLatin1String(block.hint),
                    QPoint(twips(240), twips(top)), panel);
        QWidget* box = makeTextBox(QLatin1String(block.box), caption,
                                   twipsRect(240, top + 240, 5535, 750), panel);
        built.boxes << ProfileBox{box, block.field};
        top += 1080;
    }
}

QLabel* makeDescription(const QString& name, const QString& text, const QRect& rect,
                        QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    label->setAccessibleName(text);
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(rect);
    return label;
}

// Two lines of the window's font are a pixel taller than some link boxes of the layout;
// such a box grows downwards to its text, into the free space below it.
void growToText(QLabel* label)
{
    label->resize(label->width(), std::max(label->height(), label->heightForWidth(label->width())));
}

void fillNewsFrame(TopicPanels& built, QGroupBox* frame)
{
    makeDescription(QStringLiteral("lblUpdateInfo"), updateInfoText(),
                    twipsRect(120, 360, 2490, 1170), frame);
    auto* forum = new LinkLabel(QStringLiteral("lblForum"), forumLinkText(), kLinkBlue, frame);
    forum->setGeometry(twipsRect(120, 1920, 2055, 375));
    growToText(forum);
    auto* astrology =
        new LinkLabel(QStringLiteral("lblAstrology"), astrologyLinkText(), kLinkBlue, frame);
    astrology->setGeometry(twipsRect(120, 2400, 2295, 615));
    growToText(astrology);
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

void fillDailyFrame(TopicPanels& built, QGroupBox* frame)
{
    keepBelowFrameLine(makeDescription(QStringLiteral("lblDailyHoroscope"), dailyHoroscopeText(),
                                       twipsRect(120, 240, 2445, 2385), frame),
                       frame);
    auto* daily = new LinkLabel(QStringLiteral("lblDaily"), dailyLinkText(), kLinkBlue, frame);
    daily->setAlignment(Qt::AlignCenter);
    daily->setGeometry(twipsRect(240, 2640, 2175, 375));
    growToText(daily);
    built.lblDaily = daily;
}

void fillUpdateLinks(TopicPanels& built, QGroupBox* panel)
{
    fillNewsFrame(built,
                  makePanel(QStringLiteral("Frame18"), QStringLiteral("New Updated Information"),
                            twipsRect(240, 360, 2655, 3135), panel));
    fillDailyFrame(built,
                   makePanel(QStringLiteral("Frame21"), QStringLiteral("Daily Libra Horoscope"),
                             twipsRect(3120, 360, 2655, 3135), panel));
}

// The box of each panel that holds one long text; the first two are a little taller.
void fillSingleText(TopicPanels& built, QGroupBox* panel, int position)
{
    static const struct {
        const char* box;
        QString SignProfile::*field;
    } boxes[kTopicCount] = {
        {nullptr, nullptr},
        {nullptr, nullptr},
        {"txtGeneralTraits", &SignProfile::generalTraits},
        {"txtPositiveTraits", &SignProfile::positiveTraits},
        {"txtNegativeTraits", &SignProfile::negativeTraits},
        {"txtFriendshipTraits", &SignProfile::friendshipTraits},
        {"txtCompatibilityTraits", &SignProfile::compatibilityTraits},
        {nullptr, nullptr},
        {"txtCommonProfessions", &SignProfile::commonProfessions},
        {"txtHealthConcerns", &SignProfile::healthConcerns},
        {"txtFinancialHabits", &SignProfile::financialHabits},
        {"txtFashionStyle", &SignProfile::fashionStyle},
        {"txtTravel", &SignProfile::travelHabits},
        {"txtLoveAndRomance", &SignProfile::loveAndRomance},
        {"txtFamous", &SignProfile::famousPersonalities},
        {nullptr, nullptr},
    };
    const int height = position <= 3 ? 3150 : 3105;
    QWidget* box = makeTextBox(QLatin1String(boxes[position].box), panel->title(),
                               twipsRect(240, 360, 5500, height), panel);
    built.boxes << ProfileBox{box, boxes[position].field};
}

void fillPanel(TopicPanels& built, QGroupBox* panel, int position)
{
    switch (position) {
    case 0:
        fillPlanets(built, panel);
        break;
    case 1:
        fillLuckyCharms(built, panel);
        break;
    case 7:
        fillFamily(built, panel);
        break;
    case 15:
        fillUpdateLinks(built, panel);
        break;
    default:
        fillSingleText(built, panel, position);
        break;
    }
}

} // namespace

TopicPanels buildTopicPanels(QWidget* client)
{
    TopicPanels built;
    for (const ProfileTopic& topic : profileTopics()) {
        QGroupBox* panel = makePanel(QStringLiteral("Frame%1").arg(topic.position + 1), topic.text,
                                     twipsRect(2520, 1980, 6000, 3705), client);
        fillPanel(built, panel, topic.position);
        boldenTitleOnly(panel);
        built.panels[topic.position] = panel;
    }
    return built;
}

} // namespace qvz
