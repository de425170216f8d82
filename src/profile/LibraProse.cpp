// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "profile/LibraProse.h"

#include <QStringList>
#include <initializer_list>

namespace qvz::libra {

namespace {

// Paragraphs are kept as separate literals and joined here, so that no text ever
// carries a break before its first or after its last paragraph.
QString paragraphs(std::initializer_list<const char*> parts)
{
    QStringList list;
    for (const char* part : parts)
        list << QLatin1String(part);
    return list.join(QLatin1String("\r\n\r\n"));
}

} // namespace

QString generalTraits()
{
    return paragraphs({
        "Libra is the seventh sign of the zodiac and the only one whose symbol is an object "
        "rather than a living creature: the Scales. Every other sign is pictured as an animal or "
        "a person, but Libra is represented by a pair of balanced pans hanging from a single "
        "beam. The image suits the sign well, because Librans spend their lives weighing one "
        "thing against another in search of a fair and even result. Ruled by Venus, the planet "
        "of beauty, Librans are often strikingly good looking. Many have pleasant, well "
        "proportioned features, a warm smile and a natural grace that draws admiring glances "
        "wherever they go.",

        "Elegance comes easily to the Libran. Both the Libra male and the Libra female tend to "
        "move, speak and dress with a quiet refinement that others notice at once. Good manners "
        "matter a great deal to them, and they are rarely rude even to people they dislike. "
        "Librans are among the most sociable people in the zodiac. They enjoy conversation, "
        "remember names, put strangers at ease and can turn a stiff gathering into a friendly "
        "one within minutes. Their courtesy is not an act; they simply believe that life runs "
        "more smoothly when people treat one another kindly.",

        "Above all else, Librans love peace. Quarrels, raised voices and ugly scenes upset them "
        "deeply, and they will go to considerable lengths to keep the atmosphere calm around "
        "them. At home and at work they act as natural peacemakers, smoothing over "
        "disagreements before they can grow. Harmony in their social circle is as important to "
        "them as harmony in their own hearts. Librans dislike being alone for long and feel at "
        "their best in good company. Parties, dinners and celebrations bring out their sparkle, "
        "and they are usually the ones who make sure every guest feels welcome.",

        "The Libran mind leans towards the artistic rather than the purely intellectual. "
        "Librans respond to colour, music, form and design, and many have a genuine talent for "
        "painting, decorating or performing. Dry theory holds less appeal than things that are "
        "beautiful or well made. Balance is the key to their nature: they look for it in a "
        "room, in an argument and in their daily routine. They are perceptive observers who "
        "quickly sense the mood of a room and the hidden feelings of the people in it. This "
        "sensitivity makes them skilled diplomats who can find words that satisfy both sides.",

        "Personal relationships sit at the centre of the Libran world. Librans think in terms "
        "of partnership and often feel incomplete without someone special at their side. They "
        "are romantic at heart, fond of flowers, candlelit dinners and thoughtful gestures, and "
        "they treat a partner with great consideration. Because they want so much to please, "
        "they may sometimes hide their own wishes to avoid friction. When they find a partner "
        "who values fairness and affection as much as they do, Librans give loyal, gentle and "
        "lasting love, and they work steadily to keep the relationship in balance.",
    });
}

QString positiveTraits()
{
    return paragraphs({
        "Librans are blessed with a natural elegance and an easy charm that few other signs can "
        "match. Their good taste shows in everything they choose, from the clothes they wear to "
        "the way they arrange a room or set a table, and friends often turn to them for advice "
        "on matters of style. This polish, together with genuine warmth, makes them socially "
        "successful; Librans are welcome guests, popular colleagues and gifted hosts. They also "
        "have sound judgement. Because they weigh every side of a question before reaching a "
        "verdict, their opinions tend to be fair, balanced and well considered, and people "
        "trust them to be impartial. Librans treat others with kindness and tact. They rarely "
        "hurt feelings on purpose, they know how to deliver unwelcome news gently, and they "
        "make a real effort to understand points of view that differ from their own. As "
        "lovers, Librans are attentive, affectionate and romantic. They remember anniversaries, "
        "plan delightful surprises and pay close attention to the needs of their partner. A "
        "Libran in love wants the relationship to be beautiful as well as happy, and works with "
        "patience and care to make it so.",
    });
}

QString negativeTraits()
{
    return paragraphs({
        "For all their charm, Librans have weaknesses that can surprise the people around them. "
        "Although they present themselves as fair minded and open to every view, many Librans "
        "take it badly when their own opinions are challenged or criticised. Having weighed a "
        "matter carefully, they feel that their conclusion deserves respect, and a blunt "
        "objection can leave them sulking, defensive or quietly resentful for days. Their need "
        "to be liked also shows in a strong habit of flirting. The Libra male and the Libra "
        "female alike enjoy admiration, and they may trade compliments and lingering glances "
        "with attractive people even when they are already committed, which can cause jealousy "
        "and hurt. Librans love conversation, and their interest in other people sometimes "
        "slides into gossip. They enjoy hearing and passing on the latest news about friends "
        "and colleagues, often without meaning any harm, but a careless word can damage a "
        "reputation or a trust that took years to build. Money is another trouble spot. Drawn "
        "to beauty and comfort, Librans find it hard to resist fine clothes, elegant furniture, "
        "works of art and expensive evenings out. Their spending can become extravagant, and "
        "they may justify a costly purchase as an investment in good taste long after their "
        "budget has run dry.",
    });
}

QString friendshipTraits()
{
    return paragraphs({
        "As friends, Librans are charming, generous with their time and wonderfully supportive. "
        "They listen patiently, offer gentle advice and always seem to know the right words to "
        "lift a friend's spirits after a disappointment. Their sense of fairness means they "
        "rarely take sides in a quarrel without hearing both stories first, and they are often "
        "the ones who bring a divided group back together. Friendship with a Libran has its "
        "small frustrations, however. Their famous indecision can turn a simple choice of "
        "restaurant into a long discussion, and they have a habit of arriving late because they "
        "could not settle on what to wear. Librans are also eager for company and may feel hurt "
        "if they are left out of plans or spend too many evenings alone. Friends who accept "
        "these quirks are rewarded with loyalty, laughter and a steady stream of invitations. "
        "Libra goes best with the other air signs, Gemini and Aquarius, and with the fire signs "
        "Leo and Sagittarius.",
    });
}

QString compatibilityTraits()
{
    return paragraphs({
        "Libra and Aries sit opposite each other in the zodiac, and the attraction between them "
        "is often immediate. Aries brings energy, courage and directness, while Libra offers "
        "grace, tact and a calming influence. Each has what the other lacks, which can make the "
        "match exciting. The difficulty lies in their pace: Aries wants to act at once, and "
        "Libra wants to weigh every option first. If the Aries partner learns patience and the "
        "Libran learns to speak plainly, the relationship can be lively and rewarding.",

        "Libra and Taurus share Venus as their ruling planet, so both love beauty, comfort and "
        "the finer things in life. They can enjoy many pleasant evenings of good food, music "
        "and art together. Yet their natures differ more than their tastes. Taurus is steady, "
        "possessive and slow to change, while Libra is sociable and likes variety and company. "
        "The Taurean may resent the Libran's flirting, and the Libran may find Taurus stubborn. "
        "With mutual respect, though, their shared love of harmony can carry them through.",

        "Libra and Gemini are both air signs, and they usually get along splendidly. "
        "Conversation flows easily between them, and they share a love of ideas, people and "
        "social outings. Gemini's wit delights Libra, while Libra's charm and sense of balance "
        "help settle Gemini's restless mind. Neither partner is fond of heavy emotional scenes, "
        "so the relationship tends to stay light and friendly. The main risk is that neither "
        "likes to take firm decisions, so practical matters may drift. Still, this is one of "
        "Libra's happiest pairings.",

        "Libra and Cancer both value home, partnership and a peaceful life, but they express "
        "their feelings in very different ways. Cancer is deeply emotional and needs constant "
        "reassurance, while Libra prefers to approach feelings through reason and polite "
        "discussion. The Cancerian may feel that the Libran is too detached, and the Libran may "
        "feel smothered by Cancer's moods. When both are patient, Libra can bring calm to "
        "Cancer's worries, and Cancer can give Libra a warm and secure home, but the match "
        "demands real effort.",

        "Libra and Leo make a glamorous couple who enjoy being seen together. Leo's warmth, "
        "generosity and flair appeal strongly to Libra, and Libra's admiration is exactly what "
        "Leo craves. Both love parties, beautiful surroundings and a touch of luxury, so they "
        "rarely lack things to do. Leo's pride can clash with Libra's need to be right, and "
        "their joint spending may grow alarming. On the whole, however, this is a warm, "
        "affectionate and sociable pairing that tends to bring out the best in both partners.",

        "Libra and Virgo are neighbours in the zodiac, yet they often see the world quite "
        "differently. Virgo is practical, modest and critical, with a keen eye for flaws, while "
        "Libra seeks beauty, ease and pleasant company. The Virgoan's frank remarks can wound "
        "the sensitive Libran, and the Libran's indecision may exasperate the orderly Virgo. On "
        "the positive side, both are courteous and value a tidy, well run home. With "
        "tolerance, Virgo can teach Libra discipline and Libra can teach Virgo to relax.",

        "Two Librans together, Libra with Libra, create a relationship full of courtesy, "
        "romance and refined tastes. They understand each other's need for harmony and will "
        "rarely argue, since both prefer to talk things through gently. Their home is likely to "
        "be beautiful and their social calendar full. The trouble is that neither partner likes "
        "to take the lead, so important choices may be postponed for a long time. They may also "
        "avoid facing real problems to keep the peace. If one of them learns to decide, the "
        "match can be delightful.",

        "Libra and Scorpio are an intriguing but demanding combination. Scorpio is intense, "
        "secretive and passionate, and its depth fascinates the lighter, more sociable Libran. "
        "Libra's charm and poise in turn draw the interest of Scorpio. Problems appear when "
        "Scorpio's jealousy meets Libra's easy flirting, or when Scorpio wants emotional "
        "intensity and Libra wants calm. Scorpio may find Libra superficial, while Libra may "
        "find Scorpio too possessive. The relationship can work if both partners are honest "
        "about their needs and willing to compromise.",

        "Libra and Sagittarius usually form a cheerful and easygoing partnership. Sagittarius "
        "is optimistic, adventurous and full of enthusiasm, and Libra enjoys the fun and new "
        "experiences this partner brings. Both are sociable and friendly, and they share a love "
        "of travel, culture and good conversation. Sagittarius can be blunt and careless with "
        "words, which may hurt Libra, and its craving for freedom may leave the Libran feeling "
        "neglected. Even so, their shared good humour makes this one of the more harmonious "
        "matches for Libra.",

        "Libra and Capricorn are both cardinal signs with strong ambitions, but their methods "
        "differ greatly. Capricorn is serious, disciplined and focused on work and status, "
        "while Libra prefers to achieve its goals through charm and cooperation. The Capricorn "
        "partner may think Libra frivolous, and Libra may find Capricorn cold and overly "
        "reserved. They can, however, admire each other's qualities: Capricorn provides "
        "security and structure, and Libra adds grace and social ease. Success depends on "
        "patience and on respecting each other's pace.",

        "Libra and Aquarius, both air signs, often form an easy and stimulating bond. They "
        "share a love of ideas, social causes and interesting company, and they can talk "
        "together for hours without tiring. Aquarius values independence and dislikes "
        "emotional demands, which suits Libra's preference for calm and reasoned discussion. At "
        "times Libra may wish that Aquarius were more openly romantic, and Aquarius may find "
        "Libra too concerned with appearances. Overall, this is one of the most compatible "
        "matches for Libra, built on friendship and mutual respect.",

        "Libra and Pisces are both gentle, romantic and artistic, and they may be drawn to each "
        "other by a shared love of beauty and music. Pisces is dreamy, emotional and sensitive, "
        "and Libra finds this softness appealing at first. Over time, though, Pisces may want "
        "more emotional depth than Libra can comfortably offer, and neither partner is strong "
        "at practical decisions. Bills may go unpaid while both wait for the other to act. With "
        "effort and a little realism, their tenderness can still build a caring relationship.",
    });
}

QString motherTraits()
{
    return paragraphs({
        "The Libra mother creates a home that is beautiful, orderly and peaceful, and she wants "
        "her children to grow up surrounded by harmony. She teaches good manners early, "
        "encourages politeness and fair play, and gently introduces her little ones to music, "
        "art and books. She dislikes shouting and prefers to settle conflicts through calm "
        "discussion, explaining her reasons rather than simply giving orders. Her children find "
        "her affectionate, patient and easy to talk to. Her one weakness is a reluctance to lay "
        "down firm rules, and a clever child may learn to exploit her indecision, but her "
        "family always feels loved.",
    });
}

QString fatherTraits()
{
    return paragraphs({
        "The Libra father is a gentle, fair and good-humoured parent who would rather reason "
        "with his children than punish them. He values a calm household and does his best to "
        "keep quarrels to a minimum, listening to each child's side of a dispute before he "
        "offers a verdict. He enjoys sharing his love of culture and takes his family to "
        "concerts, galleries and museums, hoping to nurture a sense of beauty and refinement. "
        "He is proud of his children's manners and encourages them to be considerate and "
        "sociable. Discipline is not his strong point, and he may leave difficult decisions to "
        "his partner or delay them until a problem grows. Nor does he always show his own "
        "feelings openly. Yet his children usually remember him as a warm, patient and "
        "understanding father who gave them a sense of fairness that lasts for life.",
    });
}

QString childTraits()
{
    return paragraphs({
        "The Libra child is usually charming, sweet natured and easy to love. Even at a young "
        "age these children show good manners, a pleasing smile and an instinct for sharing "
        "that wins the affection of teachers and relatives alike. They dislike arguments and "
        "may become upset or withdrawn when the adults around them quarrel, so a peaceful home "
        "matters greatly to their wellbeing. Libra children are sociable and prefer playing "
        "with friends to spending long hours alone. Many show early talent in drawing, music, "
        "dance or drama, and they should be encouraged to develop it. Their great difficulty "
        "is making choices: asked to pick between two toys or two outings, a young Libran may "
        "hesitate until the chance is gone. Parents can help by offering limited options and "
        "praising decisions once they are made. With patience and warm encouragement, the "
        "Libra child grows into a fair, gracious and considerate adult.",
    });
}

QString commonProfessions()
{
    return paragraphs({
        "Librans shine in professions that call for tact, a sense of fairness and an eye for "
        "beauty. Their talent for weighing both sides of a question makes them fine lawyers, "
        "judges, mediators and negotiators, and their diplomacy suits careers in politics, "
        "public relations and the foreign service. Because they deal gracefully with people, "
        "Librans also do well in human resources, counselling, customer relations and sales, "
        "where their charm can win over the most difficult client. Their artistic sense opens "
        "many creative paths: they often succeed as designers, decorators, architects, fashion "
        "stylists, photographers, musicians and actors. The beauty industry, including "
        "cosmetics and hairdressing, attracts many of them as well. Librans work best in "
        "pleasant surroundings and in partnership with others, and they tend to struggle in "
        "harsh, noisy or solitary jobs that offer no room for cooperation or refinement.",
    });
}

QString healthConcerns()
{
    return paragraphs({
        "Librans are said to be prone to ailments of the kidneys, the lower back and the skin. "
        "Kidney and bladder troubles may appear when they drink too little water, while "
        "backache often follows long hours at a desk or poor posture. Their love of rich food "
        "and sweets can lead to weight gain and problems with blood sugar. Stress and inner "
        "conflict, especially when harmony at home or at work breaks down, may bring on "
        "headaches and sleepless nights. Regular exercise, plenty of fluids and a calm routine "
        "help keep the Libran healthy.",
    });
}

QString financialHabits()
{
    return paragraphs({
        "Librans have a complicated relationship with money. They love beautiful things and "
        "enjoy comfort, so a large share of their income tends to go on clothes, decorations, "
        "gifts, art and pleasant evenings with friends. They are generous by nature and like "
        "to treat the people they care about, which can leave their own savings thin. At the "
        "same time, Librans dislike the stress of debt and the arguments that money troubles "
        "bring into a home, so many of them learn to balance their accounts sooner or later. "
        "Their indecision can work in their favour here, because they often hesitate long "
        "enough before a major purchase to reconsider it. When they set a budget, they weigh "
        "their options carefully and seek fair value rather than the cheapest price. Librans "
        "usually do best when a practical partner or adviser helps them plan, and they are "
        "happy to share financial decisions rather than bear them alone.",
    });
}

QString fashionStyle()
{
    return paragraphs({
        "Librans have a refined and harmonious taste in clothing. They favour elegant, well cut "
        "garments in soft fabrics and gentle colours, especially shades of pink, pale blue and "
        "lavender. Both the Libra male and the Libra female pay close attention to proportion, "
        "making sure that every piece of an outfit works well with the others. They rarely "
        "follow loud trends and prefer timeless classics with a touch of romance, such as a "
        "silk scarf, a fine tie or delicate jewellery. Comfort matters too, since nothing "
        "spoils their mood like a scratchy seam. Librans are usually well groomed and take care "
        "over their hair and accessories, and their wardrobes, though often large, are "
        "carefully chosen.",
    });
}

QString travelHabits()
{
    return paragraphs({
        "Librans love to travel, though they prefer comfort and beauty to hardship and "
        "adventure. Their ideal holiday combines elegant hotels, fine restaurants and cultural "
        "attractions such as museums, galleries, theatres and historic buildings. Cities famous "
        "for art and style, like Paris, Vienna or Florence, hold a special appeal, as do "
        "peaceful resorts by the sea. Librans seldom enjoy travelling alone and much prefer to "
        "share the experience with a partner or a group of friends. Planning a trip can take "
        "them a long time, because choosing between destinations, dates and hotels tests their "
        "indecisive nature. Once on the road, they are pleasant and sociable companions who "
        "make friends easily with other travellers and locals. They dislike rushed "
        "itineraries, crowded buses and dirty lodgings, and they are happiest when they can "
        "explore at a relaxed pace and return home with a few beautiful souvenirs.",
    });
}

QString loveAndRomance()
{
    return paragraphs({
        "Librans crave partnership more than almost any other sign. The Scales need a second "
        "weight to balance them, and in the same way a Libran feels most complete when sharing "
        "life with someone special. Being single for long can leave them restless and lonely, "
        "so they may move quickly from one relationship to the next or commit earlier than is "
        "wise. Both the Libra male and the Libra female look for a partner who is attractive, "
        "well mannered, intelligent and kind, someone they can admire and proudly introduce to "
        "friends. They are drawn to people who bring order and calm into their lives, and they "
        "avoid those who seem coarse, aggressive or quarrelsome. Once they have found the right "
        "person, they are willing to compromise a great deal to keep the union happy.",

        "Librans delight in being in love. They adore the romance of courtship, with its "
        "flowers, letters, music and long dinners by candlelight, and they keep those gestures "
        "alive long after the early weeks have passed. A Libran partner is attentive and "
        "affectionate, eager to please and quick to notice a change of mood. They enjoy "
        "planning surprises, choosing thoughtful gifts and creating a beautiful setting for "
        "shared moments. Love, for the Libran, is a work of art that deserves constant care. "
        "They can be hurt by harsh words or coldness, and they need frequent signs of "
        "appreciation in return. When their feelings are returned, Librans are loyal, tender "
        "and generous lovers who fill a relationship with warmth, harmony and charm.",
    });
}

} // namespace qvz::libra
