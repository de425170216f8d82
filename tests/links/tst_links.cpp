// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "links/LinkTarget.h"
#include "support/FakePlatform.h"

#include <QUrl>
#include <QtTest>

using namespace qvz;

class tst_Links : public QObject {
    Q_OBJECT

private slots:
    void everyDestinationHasItsAddress_data()
    {
        QTest::addColumn<LinkTarget>("target");
        QTest::addColumn<QString>("pathAndQuery");
        QTest::newRow("home") << LinkTarget::HomePage << "/qv-free-zodiqa/ssd.php?page=home-page";
        QTest::newRow("help") << LinkTarget::HelpPage
                              << "/qv-free-zodiqa/ssd.php?page=help-web-page";
        QTest::newRow("download") << LinkTarget::DownloadPage
                                  << "/qv-free-zodiqa/ssd.php?page=download-web-page";
        QTest::newRow("donate") << LinkTarget::DonatePage << "/qv-free-zodiqa/ssd.php?page=donate";
        QTest::newRow("fully branded")
            << LinkTarget::FullyBrandedPage << "/qv-free-zodiqa/ssd.php?page=fully-branded";
        QTest::newRow("co-brand") << LinkTarget::CoBrandPage
                                  << "/qv-free-zodiqa/ssd.php?page=co-brand";
        QTest::newRow("softwares")
            << LinkTarget::SoftwaresPage << "/qv-free-zodiqa/ssd.php?page=orvanesoftwares";
        QTest::newRow("forum") << LinkTarget::SignForumPage << "/libra_-_september_21_-_october_20";
        QTest::newRow("daily") << LinkTarget::DailyHoroscopePage << "/libra_-_daily_horoscope";
    }

    // Each opening hands exactly the catalogue address over, every time it is asked.
    void everyDestinationHasItsAddress()
    {
        QFETCH(LinkTarget, target);
        QFETCH(QString, pathAndQuery);
        const QString expected = QLatin1String("http://") + siteHost() + pathAndQuery;
        QCOMPARE(linkAddress(target), expected);

        FakePlatform platform;
        openLink(platform, target);
        openLink(platform, target);
        QCOMPARE(platform.openedAddresses, QStringList({expected, expected}));
        QCOMPARE(platform.calls.size(), 2);
    }

    void aCallersAddressPassesUnchanged()
    {
        FakePlatform platform;
        const QString address = QStringLiteral("http://example.org/a b?x=1&y=%41#frag");
        openLink(platform, address);
        QCOMPARE(platform.openedAddresses, QStringList{address});
        // Where no browser starts it is handed on whole, and shown shortened in a critical box.
        platform.browserStarts = false;
        openLink(platform, address + QString(100000, QChar(0xD83D)));
        QCOMPARE(platform.openedAddresses.last().size(), address.size() + 100000);
        const MessageRequest shown = platform.messages.value(0);
        QVERIFY(shown.text.startsWith("No web browser could be started to open this address:\r\n" +
                                      address) &&
                shown.text.size() < 300);
        QCOMPARE(shown.icon, MessageIcon::Critical);
    }
};

QTEST_MAIN(tst_Links)
#include "tst_links.moc"
