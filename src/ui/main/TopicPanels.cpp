#include "ui/main/TopicPanels.h"

#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"
#include "ui/main/ReadOnlyBoxes.h"

#include <QGroupBox>
#include <QLabel>
#include <algorithm>

namespace qvz {

namespace {

const QColor kLinkBlue(0, 0, 255);

struct CaptionedBox {
    const char* label;
    const char* caption;
    const char* hint;
    const char* box;
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
    const auto children = panel->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    for (QWidget* child : children)
        child->setFont(verdana(8.25));
    panel->setFont(verdana(8.25, true));
}

// One label beside a single-line box per row; the label sits 45 twips lower than its box.
void addFactRows(QGroupBox* panel, const std::initializer_list<CaptionedBox>& rows, int labelLeft,
                 const QRect& firstBox, int step)
{
    int top = firstBox.top();
    for (const CaptionedBox& row : rows) {
        const QString caption = QLatin1String(row.caption);
        makeCaption(QLatin1String(row.label), caption, QLatin1String(row.hint),
                    QPoint(twips(labelLeft), twips(top + 45)), panel);
        makeFactBox(QLatin1String(row.box), caption,
                    twipsRect(firstBox.left(), top, firstBox.width(), firstBox.height()), panel);
        top += step;
    }
}

void fillPlanets(QGroupBox* panel)
{
    addFactRows(
        panel,
        {{"Label6", "Domicile Planet",
          "This signifies the planet that exercises a powerful energy on the sign.",
          "txtDomicilePlanet"},
         {"Label7", "Detriment Planet",
          "This signifies the planet that is unfavorable for this sign.", "txtDetrimentPlanet"},
         {"Label8", "Exaltation Planet",
          "This signifies the planet that interacts well with this sign.", "txtExaltationPlanet"}},
        240, QRect(1920, 1200, 3855, 285), 480);
}

void fillLuckyCharms(QGroupBox* panel)
{
    addFactRows(
        panel,
        {{"Label9", "Birth Stone",
          "This signifies the birth gemstones for people born under this sign.", "txtBirthstone"},
         {"Label10", "Lucky Colors",
          "This signifies the lucky colors for people born under this sign.", "txtLuckyColors"},
         {"Label11", "Lucky Numbers",
          "This signifies the lucky numbers for people born under this sign.", "txtLuckyNumbers"},
         {"Label12", "Lucky Day", "This signifies the lucky days for people born under this sign.",
          "txtLuckyDay"},
         {"Label13", "Lucky Gemstones",
          "This signifies the lucky gemstones for people born under this sign.",
          "txtLuckyGemstones"},
         {"Label14", "Lucky Metals",
          "This signifies the lucky metals to be used for people born under this sign.",
          "txtLuckyMetals"}},
        120, QRect(1800, 840, 3975, 285), 360);
}

// Three blocks, each a caption with a multi-line box 240 twips below it.
void fillFamily(QGroupBox* panel)
{
    const CaptionedBox blocks[] = {
        {"Label20", "The Libra Mother", "This tells us more about the person as a mother.",
         "txtMother"},
        {"Label21", "The Libra Father", "This tells us more about the person as a father.",
         "txtFather"},
        {"Label22", "The Libra Child", "This tells us more about the person as a child.",
         "txtChild"},
    };
    int top = 360;
    for (const CaptionedBox& block : blocks) {
        const QString caption = QLatin1String(block.caption);
        makeCaption(QLatin1String(block.label), caption, QLatin1String(block.hint),
                    QPoint(twips(240), twips(top)), panel);
        makeTextBox(QLatin1String(block.box), caption, twipsRect(240, top + 240, 5535, 750), panel);
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

void fillNewsFrame(QGroupBox* frame)
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
}

// The style draws a frame's top line below its title, lower than the layout expects; a
// label placed above that line starts below it instead, keeping its bottom edge.
void keepBelowFrameLine(QWidget* child, const QGroupBox* frame)
{
    QRect rect = child->geometry();
    rect.setTop(std::max(rect.top(), frame->contentsRect().top()));
    child->setGeometry(rect);
}

void fillDailyFrame(QGroupBox* frame)
{
    keepBelowFrameLine(makeDescription(QStringLiteral("lblDailyHoroscope"), dailyHoroscopeText(),
                                       twipsRect(120, 240, 2445, 2385), frame),
                       frame);
    auto* daily = new LinkLabel(QStringLiteral("lblDaily"), dailyLinkText(), kLinkBlue, frame);
    daily->setAlignment(Qt::AlignCenter);
    daily->setGeometry(twipsRect(240, 2640, 2175, 375));
    growToText(daily);
}

void fillUpdateLinks(QGroupBox* panel)
{
    fillNewsFrame(makePanel(QStringLiteral("Frame18"), QStringLiteral("New Updated Information"),
                            twipsRect(240, 360, 2655, 3135), panel));
    fillDailyFrame(makePanel(QStringLiteral("Frame21"), QStringLiteral("Daily Libra Horoscope"),
                             twipsRect(3120, 360, 2655, 3135), panel));
}

// The box of each panel that holds one long text; the first two are a little taller.
void fillSingleText(QGroupBox* panel, int position)
{
    static const char* const boxes[kTopicCount] = {
        nullptr,
        nullptr,
        "txtGeneralTraits",
        "txtPositiveTraits",
        "txtNegativeTraits",
        "txtFriendshipTraits",
        "txtCompatibilityTraits",
        nullptr,
        "txtCommonProfessions",
        "txtHealthConcerns",
        "txtFinancialHabits",
        "txtFashionStyle",
        "txtTravel",
        "txtLoveAndRomance",
        "txtFamous",
        nullptr,
    };
    const int height = position <= 3 ? 3150 : 3105;
    makeTextBox(QLatin1String(boxes[position]), panel->title(), twipsRect(240, 360, 5500, height),
                panel);
}

void fillPanel(QGroupBox* panel, int position)
{
    switch (position) {
    case 0:
        fillPlanets(panel);
        break;
    case 1:
        fillLuckyCharms(panel);
        break;
    case 7:
        fillFamily(panel);
        break;
    case 15:
        fillUpdateLinks(panel);
        break;
    default:
        fillSingleText(panel, position);
        break;
    }
}

} // namespace

std::array<QGroupBox*, kTopicCount> buildTopicPanels(QWidget* client)
{
    std::array<QGroupBox*, kTopicCount> panels{};
    for (const ProfileTopic& topic : profileTopics()) {
        QGroupBox* panel =
            makePanel(topic.panelName, topic.text, twipsRect(2520, 1980, 6000, 3705), client);
        fillPanel(panel, topic.position);
        boldenTitleOnly(panel);
        panels[topic.position] = panel;
    }
    return panels;
}

} // namespace qvz
