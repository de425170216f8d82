// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "links/modTellAFriend.h"
#include "support/FakePlatform.h"
#include "support/ReferralReadBack.h"

#include <QUrl>
#include <QUrlQuery>
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

} // namespace

class TestReferral : public QObject {
    Q_OBJECT

private slots:
    void init();
    void trimmingRemovesOnlySpaces();
    void checksRunInOrderWithTheirMessages_data();
    void checksRunInOrderWithTheirMessages();
    void requestHoldsTheLatestTextsEvenWhenRefused();
    void addressCarriesEveryValueExactly();
    void everySuccessfulPressOpensTheAddressOnce();

private:
    FakePlatform platform;
    // The window that owns the messages: the referral only hands it on, so any address will do.
    alignas(void*) char ownerStandIn = 0;
    QWidget* const screen = reinterpret_cast<QWidget*>(&ownerStandIn);
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
    QCOMPARE(trimSpaces(QStringLiteral(" x ")), QStringLiteral("x"));
    // Tabs, line breaks and other white space belong to the value.
    QCOMPARE(trimSpaces(QStringLiteral(" \tAnn\r\n ")), QStringLiteral("\tAnn\r\n"));
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

    entry = validEntry();
    entry.friendEmail = QStringLiteral(" bo@x.y ").leftJustified(32768, QLatin1Char('x')) + ' ';
    QTest::newRow("as long as a line edit holds, once trimmed") << entry << QString();
    entry.friendEmail.back() = QLatin1Char('x');
    QTest::newRow("one character longer")
        << entry << "Friend's Email Address Cannot Be Longer Than 32,767 Characters";
}

// A refused entry shows one critical box over the screen and opens nothing.
void TestReferral::checksRunInOrderWithTheirMessages()
{
    QFETCH(ReferralRequest, entry);
    QFETCH(QString, message);

    submitReferralForm(platform, entry, screen);

    if (message.isEmpty()) {
        QCOMPARE(platform.calls.size(), 1);
        QCOMPARE(platform.openedAddresses.size(), 1);
        return;
    }
    QCOMPARE(platform.calls, QStringList{QStringLiteral("message: ") + message});
    const MessageRequest& shown = platform.messages.first();
    QCOMPARE(shown.caption, QStringLiteral(QVZ_APP_NAME));
    QCOMPARE(shown.icon, MessageIcon::Critical);
    QCOMPARE(shown.buttons, MessageButtons::Ok);
    QCOMPARE(shown.owner, screen);
}

void TestReferral::requestHoldsTheLatestTextsEvenWhenRefused()
{
    submitReferralForm(platform, validEntry(), screen);
    const QString firstAddress = lastReferralRequest().address;
    QVERIFY(!firstAddress.isEmpty());

    ReferralRequest entry;
    entry.senderName = QStringLiteral("  Cy  ");
    entry.senderEmail = QStringLiteral(" same@x.y ");
    entry.message = QStringLiteral(" \tnote\r\n ");
    entry.friendName = QStringLiteral("Di ");
    entry.friendEmail = QStringLiteral("same@x.y");
    submitReferralForm(platform, entry, screen);

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
    submitReferralForm(platform, entry, screen);

    const ReferralRequest& stored = lastReferralRequest();
    const QString prefix = QStringLiteral("http://") + siteHost() +
                           QStringLiteral("/qv-free-zodiqa/ssd.php?page=qvos-refer-a-friend&taf1=");
    QVERIFY2(stored.address.startsWith(prefix), qPrintable(stored.address));
    QCOMPARE(decodedReferralValues(stored.address), referralValues(stored));

    // Exactly the seven parameters, in order: no value leaks a parameter of its own.
    const QUrlQuery query{QUrl(stored.address)};
    QCOMPARE(queryItemNames(stored.address),
             QStringList{QStringLiteral("page")} + referralValueNames());
    QCOMPARE(query.queryItemValue(QStringLiteral("page")), QStringLiteral("qvos-refer-a-friend"));
    QCOMPARE(query.queryItemValue(QStringLiteral("taf6"), QUrl::FullyDecoded),
             QStringLiteral("http://") + siteHost() + QStringLiteral("/qv-free-zodiqa/"));

    // An untouched message box sends its text with the line break.
    submitReferralForm(platform, validEntry(), screen);
    QCOMPARE(decodedReferralValues(lastReferralRequest().address).at(2),
             QStringLiteral("Your Message\r\n"));
}

void TestReferral::everySuccessfulPressOpensTheAddressOnce()
{
    submitReferralForm(platform, validEntry(), screen);
    QCOMPARE(platform.callsOf(QStringLiteral("open")),
             QStringList{QStringLiteral("open: ") + lastReferralRequest().address});

    ReferralRequest refused = validEntry();
    refused.friendName.clear();
    submitReferralForm(platform, refused, screen);
    QCOMPARE(platform.openedAddresses.size(), 1);

    ReferralRequest second = validEntry();
    second.senderName = QStringLiteral("Eve");
    submitReferralForm(platform, second, screen);
    QCOMPARE(platform.openedAddresses.size(), 2);
    QCOMPARE(platform.openedAddresses.last(), lastReferralRequest().address);
    QCOMPARE(decodedReferralValues(platform.openedAddresses.last()).first(), QStringLiteral("Eve"));

    submitReferralForm(platform, second, screen);
    QCOMPARE(platform.openedAddresses.size(), 3);
    QCOMPARE(platform.openedAddresses.at(2), platform.openedAddresses.at(1));
}

QTEST_MAIN(TestReferral)
#include "tst_referral.moc"
