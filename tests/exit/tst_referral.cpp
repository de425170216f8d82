#include "app/AppInfo.h"
#include "links/LinkTarget.h"
#include "support/FakePlatform.h"
#include "ui/exit/modTellAFriend.h"

#include <QRandomGenerator>
#include <QUrl>
#include <QUrlQuery>
#include <QWidget>
#include <QtTest>

using namespace qvz;

namespace {

// Everything valid; each case spoils one or two fields.
ReferralRequest validEntry()
{
    ReferralRequest entry;
    entry.senderName = QStringLiteral("Ann Lee");
    entry.senderEmail = QStringLiteral("ann@example.org");
    entry.message = QStringLiteral("Your Message\r\n");
    entry.friendName = QStringLiteral("Bo Ray");
    entry.friendEmail = QStringLiteral("bo@example.net");
    return entry;
}

const QStringList tafNames = {
    QStringLiteral("taf1"), QStringLiteral("taf2"), QStringLiteral("taf3"),
    QStringLiteral("taf4"), QStringLiteral("taf5"), QStringLiteral("taf6"),
};

// Reads the address back as the site would, one fully decoded value per parameter.
QStringList decodedValues(const QString& address)
{
    const QUrlQuery query{QUrl(address)};
    QStringList values;
    for (const QString& name : tafNames)
        values << query.queryItemValue(name, QUrl::FullyDecoded);
    return values;
}

QStringList storedValues(const ReferralRequest& request)
{
    return {request.senderName, request.senderEmail, request.message,
            request.friendName, request.friendEmail, pageFolderAddress()};
}

// A value drawn from the whole of Unicode: controls, ASCII, the BMP and beyond it. Only
// noncharacters are left out: no keyboard produces them, and QUrl refuses to decode them.
QString randomValue(QRandomGenerator& random)
{
    QString value;
    const int length = random.bounded(0, 24);
    for (int i = 0; i < length; ++i) {
        char32_t code = 0;
        switch (random.bounded(4)) {
        case 0:
            code = random.bounded(0, 0x20); // C0 controls, NUL and CR LF among them
            break;
        case 1:
            code = random.bounded(0x20, 0x80);
            break;
        case 2:
            do
                code = random.bounded(0x80, 0x10000);
            while (QChar::isSurrogate(code));
            break;
        default:
            code = random.bounded(0x10000, 0x110000);
            break;
        }
        if (!QChar::isNonCharacter(code))
            value += QString::fromUcs4(&code, 1);
    }
    return value;
}

} // namespace

class TestReferral : public QObject {
    Q_OBJECT

private slots:
    void init();
    void trimmingRemovesOnlySpaces();
    void checksRunInOrderWithTheirMessages_data();
    void checksRunInOrderWithTheirMessages();
    void everyMessageIsACriticalBoxOwnedByTheScreen();
    void requestHoldsTheLatestTextsEvenWhenRefused();
    void addressCarriesEveryValueExactly();
    void everySuccessfulPressOpensTheAddressOnce();
    void randomValuesSurviveTheRoundTrip();

private:
    FakePlatform platform;
    QWidget screen;
};

void TestReferral::init()
{
    platform = FakePlatform();
    lastReferralRequest() = ReferralRequest();
}

void TestReferral::trimmingRemovesOnlySpaces()
{
    QCOMPARE(trimSpaces(QStringLiteral("  Ann Lee   ")), QStringLiteral("Ann Lee"));
    QCOMPARE(trimSpaces(QStringLiteral("     ")), QString());
    QCOMPARE(trimSpaces(QString()), QString());
    QCOMPARE(trimSpaces(QStringLiteral("x")), QStringLiteral("x"));
    QCOMPARE(trimSpaces(QStringLiteral(" x ")), QStringLiteral("x"));
    // Tabs, line breaks and other white space belong to the value.
    QCOMPARE(trimSpaces(QStringLiteral(" \tAnn\r\n ")), QStringLiteral("\tAnn\r\n"));
    QCOMPARE(trimSpaces(QStringLiteral("Your Message\r\n")), QStringLiteral("Your Message\r\n"));
    const QString noBreakSpaces = QString(QChar::Nbsp) + QStringLiteral("a") + QChar(QChar::Nbsp);
    QCOMPARE(trimSpaces(noBreakSpaces), noBreakSpaces);
    QCOMPARE(trimSpaces(QStringLiteral("\n ")), QStringLiteral("\n"));
}

void TestReferral::checksRunInOrderWithTheirMessages_data()
{
    QTest::addColumn<ReferralRequest>("entry");
    QTest::addColumn<QString>("message"); // empty: the referral is sent

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString name = QStringLiteral("Please Enter Your Name");
    const QString message = QStringLiteral("Please Enter Your Message");
    const QString friendName = QStringLiteral("Please Enter Your Friend's Name");

    QTest::newRow("all valid") << validEntry() << QString();

    ReferralRequest entry = validEntry();
    entry.friendEmail = entry.senderEmail;
    entry.senderName.clear();
    entry.friendName.clear();
    QTest::newRow("same addresses come before every other check") << entry << distinct;

    entry = validEntry();
    entry.senderEmail = QStringLiteral("nobody");
    entry.friendEmail = QStringLiteral("nobody");
    QTest::newRow("same improper addresses") << entry << distinct;

    entry = validEntry();
    entry.senderEmail = QStringLiteral("  ann@example.org");
    entry.friendEmail = QStringLiteral("ann@example.org    ");
    QTest::newRow("same after trimming") << entry << distinct;

    entry = validEntry();
    entry.friendEmail = QStringLiteral("ANN@example.org");
    QTest::newRow("differing in case only are distinct") << entry << QString();

    entry = validEntry();
    entry.senderEmail = QStringLiteral("Your Email Address");
    entry.friendEmail = QStringLiteral("Friend's Email Address");
    QTest::newRow("both placeholders") << entry << proper;

    entry = validEntry();
    entry.senderEmail = QStringLiteral("ann@example");
    QTest::newRow("sender without dot") << entry << proper;

    entry = validEntry();
    entry.friendEmail = QStringLiteral("bo@example");
    QTest::newRow("friend without dot") << entry << proper;

    entry = validEntry();
    entry.senderEmail = QStringLiteral("ann.example.org");
    QTest::newRow("sender without at") << entry << proper;

    entry = validEntry();
    entry.friendEmail = QStringLiteral("bo.example.net");
    entry.senderName.clear();
    QTest::newRow("friend without at, before the name") << entry << proper;

    entry = validEntry();
    entry.senderEmail = QStringLiteral("@.");
    entry.friendEmail = QStringLiteral(".@");
    QTest::newRow("position of at and dot does not matter") << entry << QString();

    entry = validEntry();
    entry.senderName = QStringLiteral("   ");
    entry.friendName.clear();
    entry.message.clear();
    QTest::newRow("name of spaces, before message and friend") << entry << name;

    entry = validEntry();
    entry.senderName = QStringLiteral(" Your Name ");
    QTest::newRow("name placeholder") << entry << name;

    entry = validEntry();
    entry.senderName = QStringLiteral("your name");
    QTest::newRow("name placeholder in other case is a name") << entry << QString();

    entry = validEntry();
    entry.message.clear();
    entry.friendName.clear();
    QTest::newRow("empty message, before friend") << entry << message;

    entry = validEntry();
    entry.message = QStringLiteral("Your Message");
    QTest::newRow("message placeholder without line break") << entry << message;

    entry = validEntry();
    entry.message = QStringLiteral("\t");
    QTest::newRow("message of a tab is a message") << entry << QString();

    entry = validEntry();
    entry.friendName.clear();
    QTest::newRow("empty friend name") << entry << friendName;

    entry = validEntry();
    entry.friendName = QStringLiteral("Friend's Name  ");
    QTest::newRow("friend name placeholder") << entry << friendName;
}

void TestReferral::checksRunInOrderWithTheirMessages()
{
    QFETCH(ReferralRequest, entry);
    QFETCH(QString, message);

    submitReferralForm(platform, entry, &screen);

    if (message.isEmpty()) {
        QCOMPARE(platform.messages.size(), 0);
        QCOMPARE(platform.openedAddresses.size(), 1);
    } else {
        QCOMPARE(platform.calls, QStringList{QStringLiteral("message: ") + message});
    }
}

void TestReferral::everyMessageIsACriticalBoxOwnedByTheScreen()
{
    ReferralRequest entry = validEntry();
    entry.friendEmail = entry.senderEmail;
    submitReferralForm(platform, entry, &screen);
    entry = validEntry();
    entry.senderEmail = QStringLiteral("ann");
    submitReferralForm(platform, entry, &screen);
    entry = validEntry();
    entry.senderName.clear();
    submitReferralForm(platform, entry, &screen);
    entry = validEntry();
    entry.message.clear();
    submitReferralForm(platform, entry, &screen);
    entry = validEntry();
    entry.friendName.clear();
    submitReferralForm(platform, entry, &screen);

    QCOMPARE(platform.messages.size(), 5);
    for (const MessageRequest& shown : std::as_const(platform.messages)) {
        QCOMPARE(shown.caption, QStringLiteral("QV Zodiqa"));
        QCOMPARE(shown.icon, MessageIcon::Critical);
        QCOMPARE(shown.buttons, MessageButtons::Ok);
        QCOMPARE(shown.owner, &screen);
    }
    QVERIFY(platform.openedAddresses.isEmpty());
}

void TestReferral::requestHoldsTheLatestTextsEvenWhenRefused()
{
    QVERIFY(lastReferralRequest().senderName.isEmpty());
    QVERIFY(lastReferralRequest().address.isEmpty());

    submitReferralForm(platform, validEntry(), &screen);
    const QString firstAddress = lastReferralRequest().address;
    QVERIFY(!firstAddress.isEmpty());

    ReferralRequest entry;
    entry.senderName = QStringLiteral("  Cy  ");
    entry.senderEmail = QStringLiteral(" same@x.y ");
    entry.message = QStringLiteral(" \tnote\r\n ");
    entry.friendName = QStringLiteral("Di ");
    entry.friendEmail = QStringLiteral("same@x.y");
    submitReferralForm(platform, entry, &screen);

    QCOMPARE(platform.callsOf(QStringLiteral("message")).size(), 1);
    const ReferralRequest& stored = lastReferralRequest();
    QCOMPARE(stored.senderName, QStringLiteral("Cy"));
    QCOMPARE(stored.senderEmail, QStringLiteral("same@x.y"));
    QCOMPARE(stored.message, QStringLiteral("\tnote\r\n"));
    QCOMPARE(stored.friendName, QStringLiteral("Di"));
    QCOMPARE(stored.friendEmail, QStringLiteral("same@x.y"));
}

void TestReferral::addressCarriesEveryValueExactly()
{
    ReferralRequest entry;
    entry.senderName = QStringLiteral("Tom & Jerry = #1 + co");
    entry.senderEmail = QStringLiteral("a+b&c=d#e@x.org");
    entry.message = QStringLiteral("Line one\r\nLine two %20 ?&taf6=evil");
    entry.friendName = QStringLiteral("Zoë Ærø 李小龍");
    entry.friendEmail = QStringLiteral("zoë@exämple.org");
    submitReferralForm(platform, entry, &screen);

    const ReferralRequest& stored = lastReferralRequest();
    const QString prefix = QStringLiteral("http://") + siteHost() +
                           QStringLiteral("/qv-free-zodiqa/ssd.php?page=qvos-refer-a-friend&taf1=");
    QVERIFY2(stored.address.startsWith(prefix), qPrintable(stored.address));
    QCOMPARE(decodedValues(stored.address), storedValues(stored));

    // Exactly the seven parameters, in order: no value leaks a parameter of its own.
    const QUrlQuery query{QUrl(stored.address)};
    QStringList names;
    for (const auto& item : query.queryItems())
        names << item.first;
    QCOMPARE(names, QStringList{QStringLiteral("page")} + tafNames);
    QCOMPARE(query.queryItemValue(QStringLiteral("page")), QStringLiteral("qvos-refer-a-friend"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
             QStringLiteral("http://") + siteHost() + QStringLiteral("/qv-free-zodiqa/"));

    // The address itself is plain ASCII without spaces or breaks, so the shell passes it on.
    for (QChar character : stored.address)
        QVERIFY2(character.unicode() > 0x20 && character.unicode() < 0x7f,
                 qPrintable(stored.address));

    // An untouched message box sends its text with the line break.
    submitReferralForm(platform, validEntry(), &screen);
    QCOMPARE(decodedValues(lastReferralRequest().address).at(2),
             QStringLiteral("Your Message\r\n"));
}

void TestReferral::everySuccessfulPressOpensTheAddressOnce()
{
    submitReferralForm(platform, validEntry(), &screen);
    QCOMPARE(platform.callsOf(QStringLiteral("open")),
             QStringList{QStringLiteral("open: ") + lastReferralRequest().address});

    ReferralRequest refused = validEntry();
    refused.friendName.clear();
    submitReferralForm(platform, refused, &screen);
    QCOMPARE(platform.openedAddresses.size(), 1);

    ReferralRequest second = validEntry();
    second.senderName = QStringLiteral("Eve");
    submitReferralForm(platform, second, &screen);
    QCOMPARE(platform.openedAddresses.size(), 2);
    QCOMPARE(platform.openedAddresses.last(), lastReferralRequest().address);
    QCOMPARE(decodedValues(platform.openedAddresses.last()).first(), QStringLiteral("Eve"));

    submitReferralForm(platform, second, &screen);
    QCOMPARE(platform.openedAddresses.size(), 3);
    QCOMPARE(platform.openedAddresses.at(2), platform.openedAddresses.at(1));
}

void TestReferral::randomValuesSurviveTheRoundTrip()
{
    QRandomGenerator random(20261208);
    for (int round = 0; round < 2000; ++round) {
        ReferralRequest request;
        request.senderName = randomValue(random);
        request.senderEmail = randomValue(random);
        request.message = randomValue(random);
        request.friendName = randomValue(random);
        request.friendEmail = randomValue(random);
        const QString address = referralAddress(request);
        const QStringList decoded = decodedValues(address);
        if (decoded != storedValues(request)) {
            QCOMPARE(decoded, storedValues(request)); // reports the differing values
            return;
        }
    }
}

QTEST_MAIN(TestReferral)
#include "tst_referral.moc"
