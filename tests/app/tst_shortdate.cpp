// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "app/ShortDate.h"

#include <QTest>

using namespace qvz;

namespace {

const char* const kLocales[] = {"en_US", "en_GB", "de_DE", "fr_FR", "ja_JP"};

} // namespace

class tst_ShortDate : public QObject {
    Q_OBJECT

private slots:
    void cleanup() { QLocale::setDefault(QLocale::system()); }

    void readsBackWhatWasWritten_data();
    void readsBackWhatWasWritten();
    void twoDigitYearTakesCenturyNearestToday_data();
    void twoDigitYearTakesCenturyNearestToday();
    void fourDigitYearIsTakenAsWritten();
    void textThatIsNoDateReadsInvalid_data();
    void textThatIsNoDateReadsInvalid();
    void usesTheGivenLocaleNotTheDefault();
};

void tst_ShortDate::readsBackWhatWasWritten_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QDate>("today");

    // Todays next to the century turns, where a two-digit year is ambiguous.
    const QDate todays[] = {QDate(2026, 12, 8), QDate(1999, 12, 31), QDate(2000, 1, 5),
                            QDate(2000, 3, 1),  QDate(2099, 12, 25), QDate(2100, 1, 3)};
    for (const char* locale : kLocales) {
        for (const QDate& today : todays) {
            QTest::addRow("%s, today %s", locale, qPrintable(today.toString(Qt::ISODate)))
                << QString::fromLatin1(locale) << today;
        }
    }
}

void tst_ShortDate::readsBackWhatWasWritten()
{
    QFETCH(QString, locale);
    QFETCH(QDate, today);
    const QLocale loc(locale);

    for (const int offset : {0, 1, -1, 14, -14, 15, -15, 60, -60, 400, -400}) {
        const QDate date = today.addDays(offset);
        const QString text = shortDateText(date, loc);
        QVERIFY2(!text.isEmpty(), qPrintable(date.toString(Qt::ISODate)));
        QCOMPARE(parseShortDate(text, loc, today), date);
    }
}

void tst_ShortDate::twoDigitYearTakesCenturyNearestToday_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<QDate>("expected");

    QTest::newRow("this year") << "en_US"
                               << "11/24/26" << QDate(2026, 12, 8) << QDate(2026, 11, 24);
    QTest::newRow("this year, German") << "de_DE"
                                       << "24.11.26" << QDate(2026, 12, 8) << QDate(2026, 11, 24);
    QTest::newRow("last century's end") << "en_US"
                                        << "12/31/99" << QDate(2000, 1, 5) << QDate(1999, 12, 31);
    QTest::newRow("next century's start")
        << "de_DE"
        << "10.01.00" << QDate(2099, 12, 25) << QDate(2100, 1, 10);
    QTest::newRow("leap day of 2000") << "en_US"
                                      << "2/29/00" << QDate(2000, 3, 1) << QDate(2000, 2, 29);
    QTest::newRow("leap day of 2000, German")
        << "de_DE"
        << "29.02.00" << QDate(2000, 3, 1) << QDate(2000, 2, 29);
    QTest::newRow("decades ahead") << "en_US"
                                   << "1/1/60" << QDate(2026, 12, 8) << QDate(2060, 1, 1);
    QTest::newRow("decades back") << "en_US"
                                  << "1/1/90" << QDate(2026, 12, 8) << QDate(1990, 1, 1);
}

void tst_ShortDate::twoDigitYearTakesCenturyNearestToday()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);
    QFETCH(QDate, today);
    QFETCH(QDate, expected);

    QCOMPARE(parseShortDate(text, QLocale(locale), today), expected);
}

void tst_ShortDate::fourDigitYearIsTakenAsWritten()
{
    const QDate today(2026, 12, 8);
    QCOMPARE(parseShortDate(QStringLiteral("08/12/1926"), QLocale("en_GB"), today),
             QDate(1926, 12, 8));
    QCOMPARE(parseShortDate(QStringLiteral("1926/12/08"), QLocale("ja_JP"), today),
             QDate(1926, 12, 8));
    QCOMPARE(parseShortDate(QStringLiteral("01/01/2150"), QLocale("fr_FR"), today),
             QDate(2150, 1, 1));
}

void tst_ShortDate::textThatIsNoDateReadsInvalid_data()
{
    QTest::addColumn<QString>("locale");
    QTest::addColumn<QString>("text");

    QTest::newRow("empty") << "en_US"
                           << "";
    QTest::newRow("words") << "en_US"
                           << "not a date";
    QTest::newRow("30 February") << "en_US"
                                 << "2/30/00";
    QTest::newRow("29 February of no leap year") << "de_DE"
                                                 << "29.02.01";
    QTest::newRow("month 13") << "en_US"
                              << "13/1/26";
    QTest::newRow("day and month only") << "de_DE"
                                        << "24.11.";
    QTest::newRow("31 February, four-digit year") << "en_GB"
                                                  << "31/02/2026";
    QTest::newRow("29 February 2100") << "fr_FR"
                                      << "29/02/2100";
}

void tst_ShortDate::textThatIsNoDateReadsInvalid()
{
    QFETCH(QString, locale);
    QFETCH(QString, text);

    const QDate parsed = parseShortDate(text, QLocale(locale), QDate(2026, 12, 8));
    QVERIFY2(!parsed.isValid(), qPrintable(parsed.toString(Qt::ISODate)));
}

void tst_ShortDate::usesTheGivenLocaleNotTheDefault()
{
    QLocale::setDefault(QLocale("ja_JP"));
    const QDate date(2026, 12, 8);

    // Date only: no time of day creeps into the text.
    QCOMPARE(shortDateText(date, QLocale("en_US")), QStringLiteral("12/8/26"));
    QCOMPARE(shortDateText(date, QLocale("de_DE")), QStringLiteral("08.12.26"));
    QCOMPARE(parseShortDate(QStringLiteral("12/8/26"), QLocale("en_US"), date), date);
    QCOMPARE(parseShortDate(QStringLiteral("08.12.26"), QLocale("de_DE"), date), date);
}

QTEST_MAIN(tst_ShortDate)
#include "tst_shortdate.moc"
