// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/ProfileTopic.h"
#include "profile/SignProfile.h"

#include <QRegularExpression>
#include <QtTest>

using namespace qvz;

namespace {

struct Field {
    const char* name;
    QString value;
    bool oneLine;
};

// The topics and the key facts: every field shown, each with its box.
QList<ProfileTopic> shownTopics()
{
    return QList<ProfileTopic>(profileTopics()) << keyFacts();
}

// Every field of the record: the sign's name, then each field the catalogue shows, named
// after its box; only the facts shown in one-line boxes, and the name, are one line.
QList<Field> allFields(const SignProfile& p)
{
    QList<Field> fields{{"signName", p.signName, true}};
    for (const ProfileTopic& topic : shownTopics()) {
        for (const TopicField& shown : topic.fields)
            fields.append({shown.box, p.*shown.field, topic.kind == PanelKind::FactRows});
    }
    return fields;
}

struct Prose {
    const char* name;
    QString value;
    int paragraphs;
    int words;
};

QList<Prose> proseFields(const SignProfile& p)
{
    return {
        {"generalTraits", p.generalTraits, 5, 470},
        {"positiveTraits", p.positiveTraits, 1, 195},
        {"negativeTraits", p.negativeTraits, 1, 220},
        {"friendshipTraits", p.friendshipTraits, 1, 170},
        {"compatibilityTraits", p.compatibilityTraits, 12, 945},
        {"motherTraits", p.motherTraits, 1, 105},
        {"fatherTraits", p.fatherTraits, 1, 150},
        {"childTraits", p.childTraits, 1, 155},
        {"commonProfessions", p.commonProfessions, 1, 140},
        {"healthConcerns", p.healthConcerns, 1, 95},
        {"financialHabits", p.financialHabits, 1, 160},
        {"fashionStyle", p.fashionStyle, 1, 115},
        {"travelHabits", p.travelHabits, 1, 145},
        {"loveAndRomance", p.loveAndRomance, 2, 260},
    };
}

const QLatin1String kParagraphBreak("\r\n\r\n");
const QLatin1String kLineBreak("\r\n");

const QStringList kSigns = {
    "Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
    "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces",
};

int wordCount(const QString& text)
{
    return text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size();
}

// The zodiac sign other than Libra that the text names first, or an empty string.
QString firstOtherSign(const QString& text)
{
    QString first;
    qsizetype firstAt = -1;
    for (const QString& sign : kSigns) {
        if (sign == QLatin1String("Libra"))
            continue;
        const auto match = QRegularExpression(QStringLiteral("\\b%1\\b").arg(sign)).match(text);
        if (match.hasMatch() && (firstAt < 0 || match.capturedStart() < firstAt)) {
            firstAt = match.capturedStart();
            first = sign;
        }
    }
    return first;
}

} // namespace

class tst_SignProfile : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void fixedFactsAreExact();
    void onlyPrintableAsciiAndWholeLineBreaks();
    void famousPersonalitiesAreFiveWellFormedLines();
    void proseHasItsParagraphsAndLength();
    void proseIsCleanThirdPersonText();
    void compatibilityFollowsZodiacOrder();
    void friendshipEndsWithBestMatches();
    void secondFillLeavesEveryFieldUnchanged();
    void everyFieldIsShownInABoxOfItsOwn();
};

void tst_SignProfile::initTestCase()
{
    // The first reader finds the record filled, whoever it is: no window has to come first.
    for (const Field& field : allFields(signProfile()))
        QVERIFY2(!field.value.isEmpty(), field.name);
}

void tst_SignProfile::fixedFactsAreExact()
{
    const SignProfile& p = signProfile();
    QCOMPARE(p.signName, QStringLiteral("Libra"));
    QCOMPARE(p.birthDates, QStringLiteral("September 21 - October 20"));
    QCOMPARE(p.zodiacSymbol, QStringLiteral("Scales"));
    QCOMPARE(p.zodiacElement, QStringLiteral("Air"));
    QCOMPARE(p.zodiacQuality, QStringLiteral("Cardinal"));
    QCOMPARE(p.domicilePlanet, QStringLiteral("Venus"));
    QCOMPARE(p.detrimentPlanet, QStringLiteral("Mars"));
    QCOMPARE(p.exaltationPlanet, QStringLiteral("Saturn"));
    QCOMPARE(p.birthstone, QStringLiteral("Opal, Quartz"));
    QCOMPARE(p.luckyColors, QStringLiteral("Pink, Blue, Lavenders"));
    QCOMPARE(p.luckyNumbers, QStringLiteral("Six, Nine"));
    QCOMPARE(p.luckyDay, QStringLiteral("Friday"));
    QCOMPARE(p.luckyGemstones, QStringLiteral("Opal, Agate, Tourmaline"));
    QCOMPARE(p.luckyMetals, QStringLiteral("All metals"));
}

void tst_SignProfile::onlyPrintableAsciiAndWholeLineBreaks()
{
    for (const Field& field : allFields(signProfile())) {
        const QString& text = field.value;
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            const bool printable = c >= 0x20 && c <= 0x7e;
            const bool wholeBreak =
                (c == u'\r' && i + 1 < text.size() && text.at(i + 1) == u'\n') ||
                (c == u'\n' && i > 0 && text.at(i - 1) == u'\r');
            QVERIFY2(printable || wholeBreak, qPrintable(QStringLiteral("%1: character %2 at %3")
                                                             .arg(QLatin1String(field.name))
                                                             .arg(int(c))
                                                             .arg(i)));
        }
        QVERIFY2(!text.startsWith(u'\r') && !text.startsWith(u'\n'), field.name);
        QVERIFY2(!text.endsWith(u'\r') && !text.endsWith(u'\n'), field.name);
    }
    // Only the famous people and the prose may break lines at all.
    for (const Field& field : allFields(signProfile()))
        QVERIFY2(!field.oneLine || !field.value.contains(u'\n'), field.name);
}

// People ordered by occupation, not by year; one per line, no empty line.
void tst_SignProfile::famousPersonalitiesAreFiveWellFormedLines()
{
    QCOMPARE(signProfile().famousPersonalities.split(kLineBreak),
             (QStringList{
                 "Sept 25th, 1944 - Michael Douglas - Moviestar",
                 "Sept 23rd, 1949 - Bruce Springsteen - Singer",
                 "Sept 25th, 1968 - Will Smith - Moviestar",
                 "Sept 26th, 1888 - T. S. Eliot - Poet",
                 "Oct 1st, 1924 - Jimmy Carter - US President",
             }));
}

// Paragraphs split by one empty line and nothing else, each about its stated length.
void tst_SignProfile::proseHasItsParagraphsAndLength()
{
    for (const Prose& prose : proseFields(signProfile())) {
        const QStringList paragraphs = prose.value.split(kParagraphBreak);
        QVERIFY2(paragraphs.size() == prose.paragraphs, prose.name);
        for (const QString& paragraph : paragraphs) {
            QVERIFY2(!paragraph.isEmpty() && paragraph == paragraph.trimmed(), prose.name);
            QVERIFY2(!paragraph.contains(u'\r') && !paragraph.contains(u'\n'), prose.name);
        }
        const int words = wordCount(prose.value);
        QVERIFY2(words >= prose.words * 0.85 && words <= prose.words * 1.15,
                 qPrintable(QStringLiteral("%1 has %2 words, about %3 wanted")
                                .arg(QLatin1String(prose.name))
                                .arg(words)
                                .arg(prose.words)));
    }
}

void tst_SignProfile::proseIsCleanThirdPersonText()
{
    const QRegularExpression person(QStringLiteral("\\b(I|me|my|we|us|our|you|your)\\b"),
                                    QRegularExpression::CaseInsensitiveOption);
    // Catches pieces of text glued together without a blank or with two.
    const QRegularExpression joinFault(QStringLiteral("[a-z][.,;:!?][A-Za-z]|  "));
    const QRegularExpression address(QStringLiteral("http|www\\.|\\.(com|net|org)\\b"),
                                     QRegularExpression::CaseInsensitiveOption);
    for (const Prose& prose : proseFields(signProfile())) {
        const QString& text = prose.value;
        QVERIFY2(text.contains(QLatin1String("Libra")), prose.name);
        const auto personMatch = person.match(text);
        QVERIFY2(!personMatch.hasMatch(), qPrintable(QLatin1String(prose.name) +
                                                     QLatin1String(": ") + personMatch.captured()));
        const auto joinMatch = joinFault.match(text);
        QVERIFY2(!joinMatch.hasMatch(),
                 qPrintable(QLatin1String(prose.name) + QLatin1String(": \"") +
                            text.mid(joinMatch.capturedStart() - 10, 25) + QLatin1Char('"')));
        QVERIFY2(!address.match(text).hasMatch(), prose.name);
        for (const QString& paragraph : text.split(kParagraphBreak)) {
            QVERIFY2(paragraph.at(0).isUpper(), prose.name);
            QVERIFY2(paragraph.endsWith(u'.'), prose.name);
        }
    }
    QVERIFY(signProfile()
                .generalTraits.split(kParagraphBreak)
                .first()
                .contains(QLatin1String("Scales")));
}

void tst_SignProfile::compatibilityFollowsZodiacOrder()
{
    const QStringList paragraphs = signProfile().compatibilityTraits.split(kParagraphBreak);
    QCOMPARE(paragraphs.size(), kSigns.size());
    for (int i = 0; i < kSigns.size(); ++i) {
        const QString& paragraph = paragraphs[i];
        QVERIFY2(paragraph.contains(QLatin1String("Libra")), qPrintable(kSigns[i]));
        // The sign a paragraph is about is the first other sign it names; the paragraph
        // on two Librans names no other sign at all.
        const QString expected = kSigns[i] == QLatin1String("Libra") ? QString() : kSigns[i];
        QCOMPARE(firstOtherSign(paragraph), expected);
    }
}

void tst_SignProfile::friendshipEndsWithBestMatches()
{
    const QString& friendship = signProfile().friendshipTraits;
    const QString lastSentence =
        friendship.mid(friendship.lastIndexOf(QLatin1String(". "), friendship.size() - 2) + 2);
    QVERIFY2(!firstOtherSign(lastSentence).isEmpty(), qPrintable(lastSentence));
    // Only the closing sentence names the matches.
    QVERIFY(firstOtherSign(friendship.left(friendship.size() - lastSentence.size())).isEmpty());
}

// Every field has text, and filling again changes none of it.
void tst_SignProfile::secondFillLeavesEveryFieldUnchanged()
{
    const QList<Field> first = allFields(signProfile());
    const QList<Field> second = allFields(fillSignProfile());
    for (qsizetype i = 0; i < first.size(); ++i) {
        QVERIFY2(!first[i].value.trimmed().isEmpty(), first[i].name);
        QVERIFY2(first[i].value == second[i].value, second[i].name);
    }
}

// Each field but the sign's name has one box of its own, the key facts included, and no
// field of the record is left out.
void tst_SignProfile::everyFieldIsShownInABoxOfItsOwn()
{
    const SignProfile& p = signProfile();
    QSet<const QString*> fields;
    QSet<QString> boxes;
    for (const ProfileTopic& topic : shownTopics()) {
        for (const TopicField& shown : topic.fields) {
            QVERIFY2(!fields.contains(&(p.*shown.field)), shown.box);
            fields << &(p.*shown.field);
            boxes << QLatin1String(shown.box);
        }
    }
    QCOMPARE(boxes.size(), fields.size());
    QVERIFY(!fields.contains(&p.signName));
    QCOMPARE(qsizetype(fields.size() + 1) * qsizetype(sizeof(QString)),
             qsizetype(sizeof(SignProfile)));
}

QTEST_MAIN(tst_SignProfile)
#include "tst_signprofile.moc"
