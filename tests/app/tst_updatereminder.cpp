// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "app/ShortDate.h"
#include "app/UpdateReminder.h"
#include "links/LinkTarget.h"
#include "support/FakePlatform.h"

#include <QTest>

using namespace qvz;

namespace {

// The reminder writes the user's own short date format. Pin the system locale to one
// with a two-digit year before Qt first reads the environment, so every case here
// also proves that such a date reads back in the right century.
void pinSystemLocale()
{
    qputenv("LC_ALL", "en_US.UTF-8");
}
Q_CONSTRUCTOR_FUNCTION(pinSystemLocale)

const QString kKey = QStringLiteral("Duration");
const QString kIsoKey = QStringLiteral("DurationIso");
const QString kMessage = QStringLiteral("There maybe an update to this software available\r"
                                        "Do you want to check for an update?");

QString systemText(QDate date)
{
    return shortDateText(date, QLocale::system());
}

} // namespace

class tst_UpdateReminder : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void firstRunSavesTodayWithoutMessage_data();
    void firstRunSavesTodayWithoutMessage();
    void remindsOnlyBeyondFourteenDays_data();
    void remindsOnlyBeyondFourteenDays();
    void messageIsTheUpdateQuestion();
    void yesSavesTodayThenOpensDownloadPageOnce();
    void noSavesTodayAndOpensNothing();
    void unreadableDateIsReplacedWithoutMessage_data();
    void unreadableDateIsReplacedWithoutMessage();
    void failedSaveOpensNothing();
    void followsSystemLocaleNotDefault();
};

void tst_UpdateReminder::initTestCase()
{
    const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
    QVERIFY2(format.contains(QLatin1String("yy")) && !format.contains(QLatin1String("yyyy")),
             qPrintable(format));
}

void tst_UpdateReminder::firstRunSavesTodayWithoutMessage_data()
{
    QTest::addColumn<bool>("keyPresent");
    QTest::newRow("never written") << false;
    QTest::newRow("written empty") << true;
}

void tst_UpdateReminder::firstRunSavesTodayWithoutMessage()
{
    QFETCH(bool, keyPresent);
    FakePlatform platform;
    if (keyPresent)
        platform.settings.insert(kKey, QString());

    runUpdateReminder(platform);

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
    QCOMPARE(platform.callsOf(QStringLiteral("save")).size(), 2);
    QCOMPARE(parseShortDate(platform.settings.value(kKey), QLocale::system(), platform.currentDate),
             platform.currentDate);
}

void tst_UpdateReminder::remindsOnlyBeyondFourteenDays_data()
{
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("storedOffset");
    QTest::addColumn<bool>("reminds");
    QTest::addColumn<QString>(
        "locales"); // of two runs; none: the system's, on an older copy's file

    for (const int offset : {-400, -15, -14, -1, 0, 1, 14, 15, 400}) {
        const bool reminds = qAbs(offset) > 14;
        QTest::addRow("%+d days", offset) << QDate(2026, 12, 8) << offset << reminds << QString();
        // Across the turn of a century, where a two-digit year changes its hundreds.
        QTest::addRow("%+d days, today 2100-01-05", offset)
            << QDate(2100, 1, 5) << offset << reminds << QString();
        // The short date alone reads as another day there, or as none.
        for (const char* locales : {"en_US hi_IN", "en_US de_DE", "ja_JP ar_EG", "ar_EG en_US"})
            QTest::addRow("%+d days, %s", offset, locales)
                << QDate(2026, 12, 8) << offset << reminds << QString::fromLatin1(locales);
    }
}

void tst_UpdateReminder::remindsOnlyBeyondFourteenDays()
{
    QFETCH(QDate, today);
    QFETCH(int, storedOffset);
    QFETCH(bool, reminds);
    QFETCH(QString, locales);
    const QStringList runs = locales.split(QLatin1Char(' '));
    FakePlatform platform;
    platform.currentDate = today.addDays(storedOffset);
    if (locales.isEmpty())
        platform.settings.insert(kKey, systemText(platform.currentDate));
    else
        runUpdateReminder(platform, QLocale(runs.first()));
    const QString stored = platform.settings.value(kKey);
    platform.calls.clear();
    platform.currentDate = today;
    platform.messageAnswers.enqueue(MessageAnswer::No);
    const QLocale second = locales.isEmpty() ? QLocale::system() : QLocale(runs.last());

    runUpdateReminder(platform, second);

    if (reminds) {
        QCOMPARE(platform.messages.size(), 1);
        QCOMPARE(platform.settings.value(kKey), shortDateText(today, second));
        QCOMPARE(platform.settings.value(kIsoKey), today.toString(QStringLiteral("yyyy-MM-dd")));
    } else {
        QCOMPARE(platform.calls, platform.callsOf(QStringLiteral("read")));
        QCOMPARE(platform.settings.value(kKey), stored);
    }
}

void tst_UpdateReminder::messageIsTheUpdateQuestion()
{
    FakePlatform platform;
    platform.settings.insert(kKey, systemText(platform.currentDate.addDays(-30)));

    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    const MessageRequest& message = platform.messages.first();
    QCOMPARE(message.caption, QStringLiteral(QVZ_APP_NAME));
    QCOMPARE(message.text, kMessage);
    QCOMPARE(message.icon, MessageIcon::Information);
    QCOMPARE(message.buttons, MessageButtons::YesNo);
    // Shown before any window of the program exists.
    QCOMPARE(message.owner, nullptr);
}

void tst_UpdateReminder::yesSavesTodayThenOpensDownloadPageOnce()
{
    FakePlatform platform;
    platform.settings.insert(kKey, systemText(platform.currentDate.addDays(-15)));
    platform.messageAnswers.enqueue(MessageAnswer::Yes);

    runUpdateReminder(platform);

    const QString save = QStringLiteral("save: Duration=") + systemText(platform.currentDate);
    const QString open = QStringLiteral("open: ") + linkAddress(LinkTarget::DownloadPage);
    QCOMPARE(platform.calls.count(save), 1);
    QCOMPARE(platform.calls.count(open), 1);
    QVERIFY2(platform.calls.indexOf(save) < platform.calls.indexOf(open),
             qPrintable(platform.calls.join(QLatin1String(" | "))));
    QCOMPARE(platform.openedAddresses, QStringList{linkAddress(LinkTarget::DownloadPage)});
}

void tst_UpdateReminder::noSavesTodayAndOpensNothing()
{
    FakePlatform platform;
    platform.settings.insert(kKey, systemText(platform.currentDate.addDays(15)));
    platform.messageAnswers.enqueue(MessageAnswer::No);

    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.openedAddresses.isEmpty());
    QCOMPARE(platform.settings.value(kKey), systemText(platform.currentDate));

    // The count starts afresh: the next run, a day later, is quiet.
    platform.calls.clear();
    platform.currentDate = platform.currentDate.addDays(1);
    runUpdateReminder(platform);
    QCOMPARE(platform.messages.size(), 1);
    QVERIFY(platform.callsOf(QStringLiteral("save")).isEmpty());
}

void tst_UpdateReminder::unreadableDateIsReplacedWithoutMessage_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("words") << "not a date";
    QTest::newRow("another locale's text") << "24.11.2026";
    QTest::newRow("30 February") << "2/30/26";
    QTest::newRow("replacement characters") << QStringLiteral("\uFFFD\uFFFD");
}

void tst_UpdateReminder::unreadableDateIsReplacedWithoutMessage()
{
    QFETCH(QString, stored);
    FakePlatform platform;
    platform.settings.insert(kKey, stored);

    runUpdateReminder(platform);

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.openedAddresses.isEmpty());
    QCOMPARE(platform.settings.value(kKey), systemText(platform.currentDate));
}

void tst_UpdateReminder::failedSaveOpensNothing()
{
    FakePlatform platform;
    platform.settings.insert(kKey, systemText(platform.currentDate.addDays(-20)));
    platform.settingsWritable = false;
    platform.messageAnswers.enqueue(MessageAnswer::Yes);

    runUpdateReminder(platform);

    QCOMPARE(platform.messages.size(), 1);
    QCOMPARE(platform.callsOf(QStringLiteral("save")).size(), 1);
    QVERIFY(platform.openedAddresses.isEmpty());
}

void tst_UpdateReminder::followsSystemLocaleNotDefault()
{
    // A default locale with another order of day and month: 08.12.26 against 12/8/26.
    QLocale::setDefault(QLocale("de_DE"));
    FakePlatform platform;

    runUpdateReminder(platform);
    QCOMPARE(platform.settings.value(kKey), systemText(platform.currentDate));

    platform.calls.clear();
    platform.settings.remove(kIsoKey);
    platform.settings.insert(kKey, systemText(platform.currentDate.addDays(-14)));
    runUpdateReminder(platform);
    QVERIFY(platform.messages.isEmpty());
    QVERIFY(platform.callsOf(QStringLiteral("save")).isEmpty());
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
