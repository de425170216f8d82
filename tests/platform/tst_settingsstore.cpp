// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "platform/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

using namespace qvz;

class tst_SettingsStore : public QObject {
    Q_OBJECT

private slots:
    void init();

    void valueReadsBackExactly_data();
    void valueReadsBackExactly();
    void keyNeverWrittenReadsEmpty();
    void laterSaveReplacesEarlierOne();
    void storedUnderExecutableNameAndSettingsSection();
    void corruptFileReadsEmptyAndIsRewritten_data();
    void corruptFileReadsEmptyAndIsRewritten();
    void unreadableFileReadsEmptyAndSaveFails();
    void unwritableFolderReadsEmptyAndSaveFails();

private:
    QString iniPath() const;
    void writeIni(const QByteArray& content) const;

    std::unique_ptr<QTemporaryDir> folder_;
};

void tst_SettingsStore::init()
{
    // A fresh store for every case, away from the user's real one.
    folder_ = std::make_unique<QTemporaryDir>();
    QVERIFY(folder_->isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, folder_->path());
}

QString tst_SettingsStore::iniPath() const
{
    const QString app = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return folder_->filePath(app + QLatin1Char('/') + app + QLatin1String(".ini"));
}

void tst_SettingsStore::writeIni(const QByteArray& content) const
{
    QVERIFY(QDir().mkpath(QFileInfo(iniPath()).path()));
    QFile file(iniPath());
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
}

void tst_SettingsStore::valueReadsBackExactly_data()
{
    QTest::addColumn<QString>("value");

    QTest::newRow("short date") << "12/8/26";
    QTest::newRow("leading @") << "@Variant(abc)";
    QTest::newRow("leading @@") << "@@x";
    QTest::newRow("CR LF, lone CR, lone LF") << "one\r\ntwo\rthree\nfour\n";
    QTest::newRow("non-ASCII") << QStringLiteral("Gr\u00FC\u00DFe \u65E5\u672C \U0001F600");
    QTest::newRow("comma, as a list would be") << "a, b";
    QTest::newRow("INI syntax") << "[Settings]\nkey=value ; comment # more";
    QTest::newRow("quotes and backslashes") << "\"quoted\" back\\slash \\n";
    QTest::newRow("surrounding spaces") << "  padded  ";
    QTest::newRow("NUL character") << QStringLiteral("before") + QChar(0) + QStringLiteral("after");
    QTest::newRow("long") << QString(100000, QLatin1Char('x')) + QStringLiteral("end");
}

void tst_SettingsStore::valueReadsBackExactly()
{
    QFETCH(QString, value);
    SettingsStore store;

    QVERIFY(store.save(QStringLiteral("Duration"), value));
    QCOMPARE(store.read(QStringLiteral("Duration")), value);
    // Also from a fresh store object, as the next run would read it.
    QCOMPARE(SettingsStore().read(QStringLiteral("Duration")), value);
}

void tst_SettingsStore::keyNeverWrittenReadsEmpty()
{
    SettingsStore store;
    const QString empty = store.read(QStringLiteral("Duration"));
    QVERIFY(empty.isEmpty());
    QVERIFY(!QFile::exists(iniPath()));

    QVERIFY(store.save(QStringLiteral("Other"), QStringLiteral("value")));
    QVERIFY(store.read(QStringLiteral("Duration")).isEmpty());
    QCOMPARE(store.read(QStringLiteral("Other")), QStringLiteral("value"));
}

void tst_SettingsStore::laterSaveReplacesEarlierOne()
{
    SettingsStore store;
    QVERIFY(store.save(QStringLiteral("Duration"), QStringLiteral("a much longer first value")));
    QVERIFY(store.save(QStringLiteral("Duration"), QStringLiteral("second")));
    QCOMPARE(store.read(QStringLiteral("Duration")), QStringLiteral("second"));
}

void tst_SettingsStore::storedUnderExecutableNameAndSettingsSection()
{
    // The application name set in code does not move the store: it follows the file name.
    const QString previousName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName(QStringLiteral("SomeOtherName"));
    const bool saved = SettingsStore().save(QStringLiteral("Duration"), QStringLiteral("12/8/26"));
    QCoreApplication::setApplicationName(previousName);
    QVERIFY(saved);

    QCOMPARE(settingsApplicationName(), QStringLiteral("tst_settingsstore"));
    QVERIFY2(QFile::exists(iniPath()), qPrintable(iniPath()));
    const QSettings file(iniPath(), QSettings::IniFormat);
    QCOMPARE(file.childGroups(), QStringList{QStringLiteral("Settings")});
    QCOMPARE(file.value(QStringLiteral("Settings/Duration")).toString(), QStringLiteral("12/8/26"));
}

void tst_SettingsStore::corruptFileReadsEmptyAndIsRewritten_data()
{
    QTest::addColumn<QByteArray>("content");

    QTest::newRow("binary garbage") << QByteArrayLiteral("\x01\x02\xff\xfe[[[=\n\0garbage\x80");
    QTest::newRow("unknown stored type")
        << QByteArray("[Settings]\nDuration=@Variant(\\0\\0\\0\\x7f\\0\\0\\0\\bgarbage)\n");
    QTest::newRow("list instead of text") << QByteArray("[Settings]\nDuration=a, b\n");
    QTest::newRow("key without value") << QByteArray("[Settings]\nDuration\n");
}

void tst_SettingsStore::corruptFileReadsEmptyAndIsRewritten()
{
    QFETCH(QByteArray, content);
    writeIni(content);
    SettingsStore store;

    QVERIFY(store.read(QStringLiteral("Duration")).isEmpty());
    // The store mends itself: a save afterwards is kept and reported as kept.
    QVERIFY(store.save(QStringLiteral("Duration"), QStringLiteral("12/8/26")));
    QCOMPARE(store.read(QStringLiteral("Duration")), QStringLiteral("12/8/26"));
}

void tst_SettingsStore::unreadableFileReadsEmptyAndSaveFails()
{
    // A folder where the settings file should be: it can be neither read nor written.
    QVERIFY(QDir().mkpath(iniPath()));
    SettingsStore store;

    QVERIFY(store.read(QStringLiteral("Duration")).isEmpty());
    QVERIFY(!store.save(QStringLiteral("Duration"), QStringLiteral("12/8/26")));
    QVERIFY(store.read(QStringLiteral("Duration")).isEmpty());
}

void tst_SettingsStore::unwritableFolderReadsEmptyAndSaveFails()
{
    // A plain file where the settings folder should be; permissions would not stop root.
    const QString blocker = folder_->filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, blocker);
    SettingsStore store;

    QVERIFY(store.read(QStringLiteral("Duration")).isEmpty());
    QVERIFY(!store.save(QStringLiteral("Duration"), QStringLiteral("12/8/26")));
    QVERIFY(store.read(QStringLiteral("Duration")).isEmpty());
}

QTEST_MAIN(tst_SettingsStore)
#include "tst_settingsstore.moc"
