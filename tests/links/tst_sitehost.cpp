// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Built with the link catalogue against an identity whose site host is not the default
// one (tests/CMakeLists.txt): the host a build is given is the host its links open.

#include "links/LinkTarget.h"
#include "support/FakePlatform.h"

#include <QtTest>

using namespace qvz;

class tst_SiteHost : public QObject {
    Q_OBJECT

private slots:
    void everyPageOpensOnTheBuildsHost()
    {
        const QString host = QStringLiteral(QVZ_TEST_SITE_HOST);
        FakePlatform platform;
        for (int target = 0; target <= int(LinkTarget::DailyHoroscopePage); ++target)
            openLink(platform, LinkTarget(target));
        QCOMPARE(platform.openedAddresses.size(), 9);
        for (const QString& address : platform.openedAddresses)
            QVERIFY2(address.startsWith("http://" + host + "/"), qPrintable(address));
        QCOMPARE(visitBoardCaption(), "Click Here To Visit " + host + " Now");
    }
};

QTEST_MAIN(tst_SiteHost)
#include "tst_sitehost.moc"
