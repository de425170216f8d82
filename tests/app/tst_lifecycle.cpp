// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "app/Lifecycle.h"
#include "links/LinkTarget.h"
#include "platform/SettingsStore.h"
#include "support/FakePlatform.h"
#include "support/ScopedEnvironment.h"
#include "ui/common/ExitProgram.h"
#include "ui/common/LinkLabel.h"
#include "ui/main/MainControls.h"
#include "ui/platform/QtPlatform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QLockFile>
#include <QPointer>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>
#include <cmath>

using namespace qvz;

namespace {

// Two labels on one rectangle, as in the main window's promotional frame.
struct PromoWindow {
    QWidget window;
    LinkLabel* cobrand =
        new LinkLabel(QStringLiteral("lblCobrand"), QStringLiteral("co-brand"), Qt::blue, &window);
    LinkLabel* fullBrand = new LinkLabel(QStringLiteral("lblFullBrand"),
                                         QStringLiteral("fully branded"), Qt::blue, &window);
    PromotionLabels labels{fullBrand, cobrand};

    PromoWindow()
    {
        cobrand->setGeometry(8, 11, 383, 57);
        fullBrand->setGeometry(8, 11, 383, 57);
        window.resize(400, 80);
    }

    QWidget* front() const { return window.childAt(QPoint(200, 40)); }
};

// A window that refuses to close and calls back into exitProgram while closing.
class StubbornWindow : public QWidget {
public:
    explicit StubbornWindow(Platform& platform) : platform_(platform) {}
    int closeAttempts = 0;

protected:
    void closeEvent(QCloseEvent* event) override
    {
        ++closeAttempts;
        exitProgram(platform_);
        event->ignore();
    }

private:
    Platform& platform_;
};

// The update reminder stays quiet on a day it already ran.
void remindedToday(FakePlatform& platform)
{
    platform.settings.insert(QStringLiteral("Duration"),
                             QLocale::system().toString(platform.today(), QLocale::ShortFormat));
}

QList<QWidget*> visibleWindows()
{
    QList<QWidget*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->isVisible())
            windows << widget;
    }
    return windows;
}

} // namespace

// Records the addresses the desktop services hand to the browser.
class UrlCatcher : public QObject {
    Q_OBJECT

public:
    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

class tst_Lifecycle : public QObject {
    Q_OBJECT

private slots:
    // Menus are top-level too but belong to their window: delete owners only. Every
    // window is guarded before the first delete, since an owner takes its menus with it.
    void cleanup()
    {
        QList<QPointer<QWidget>> windows;
        for (QWidget* window : QApplication::topLevelWidgets())
            windows << window;
        for (const QPointer<QWidget>& window : std::as_const(windows)) {
            if (window && !window->parentWidget())
                delete window;
        }
    }

    void secondInstanceSaysSoAndEndsWithoutTouchingAnything()
    {
        FakePlatform platform;
        platform.instanceLockFree = false;
        startApplication(platform);

        QCOMPARE(platform.calls,
                 QStringList({QStringLiteral("lock"),
                              QStringLiteral("message: Application is already running"),
                              QStringLiteral("exit: 0")}));
        const MessageRequest& message = platform.messages.constFirst();
        QCOMPARE(message.caption, QStringLiteral(QVZ_APP_NAME));
        QCOMPARE(message.icon, MessageIcon::Information);
        QCOMPARE(message.buttons, MessageButtons::Ok);
        QVERIFY(visibleWindows().isEmpty());
    }

    // A killed run leaves its lock behind, naming its process id. When the next run gets
    // that same id, as every first process of a fresh Wine does, the lock seems held by a
    // live copy of the program. The lock lives in the per-user runtime folder, on Windows
    // in the temporary folder: never in the home folder, among the user's documents.
    void lockLeftByAKilledRunDoesNotBlockTheNextStart()
    {
        QTemporaryDir folder;
        const QString lockName = settingsApplicationName() + QStringLiteral(".lock");
        {
            // What a run of this very process leaves behind when it ends without unlocking.
            QLockFile running(folder.filePath(QStringLiteral("running.lock")));
            QVERIFY(running.lock());
            QVERIFY(QFile::copy(running.fileName(), folder.filePath(lockName)));
        }
        const ScopedEnvironment lockFolders{{"XDG_RUNTIME_DIR", QFile::encodeName(folder.path())},
                                            {"TMP", QFile::encodeName(folder.path())}};

        QtPlatform platform;
        QVERIFY(platform.acquireInstanceLock());
        QVERIFY(!QFileInfo::exists(QDir::home().filePath(lockName)));
    }

    void startShowsMainWindowAfterSeeding()
    {
        FakePlatform platform;
        remindedToday(platform);
        platform.randomValues.enqueue(0.5f); // draws 4: the fully branded offer in front
        startApplication(platform);

        const QList<QWidget*> windows = visibleWindows();
        QCOMPARE(windows.size(), 1);
        QCOMPARE(windows.constFirst()->objectName(), QStringLiteral("frmMain"));
        // The draw reaches the main window's own labels, which were built co-brand in front.
        auto* offers = windows.constFirst()->findChild<QWidget*>(QStringLiteral("fraFullBrand"));
        QCOMPARE(offers->childAt(offers->rect().center())->objectName(),
                 QStringLiteral("lblFullBrand"));
        QCOMPARE(windows.constFirst()->windowTitle(), windowCaption());
        QVERIFY(platform.callsOf(QStringLiteral("message")).isEmpty());
        const int seed = platform.calls.indexOf(QStringLiteral("seed"));
        QVERIFY(seed > 0);
        QVERIFY(platform.calls.indexOf(QStringLiteral("random")) > seed);
        QVERIFY(platform.exitStatuses.isEmpty());
    }

    void closingTheMainWindowLeadsToTheExitScreen()
    {
        FakePlatform platform;
        remindedToday(platform);
        startApplication(platform);
        QWidget* mainWindow = visibleWindows().constFirst();

        QVERIFY(mainWindow->close());

        const QList<QWidget*> windows = visibleWindows();
        QCOMPARE(windows.size(), 1);
        QWidget* exitScreen = windows.constFirst();
        QCOMPARE(exitScreen->objectName(), QStringLiteral("frmNagScreen2"));
        QVERIFY(!exitScreen->parentWidget());
        QVERIFY(!exitScreen->isModal());
        QVERIFY(exitScreen->windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(platform.exitStatuses.isEmpty());

        exitScreen->close();
        QCOMPARE(platform.exitStatuses.value(0, -1), 0);
        QVERIFY(visibleWindows().isEmpty());
    }

    void coBrandDrawPicksTheLabelInFront_data()
    {
        QTest::addColumn<float>("value");
        QTest::addColumn<int>("number");
        QTest::addColumn<QString>("front");
        const float belowOne = std::nextafter(1.0f, 0.0f);
        QTest::newRow("zero") << 0.0f << 1 << "lblCobrand";
        QTest::newRow("just below a sixth") << 0.1666f << 1 << "lblCobrand";
        QTest::newRow("a sixth") << 1.0f / 6.0f << 2 << "lblFullBrand";
        QTest::newRow("a half") << 0.5f << 4 << "lblFullBrand";
        QTest::newRow("two thirds") << 0.67f << 5 << "lblCobrand";
        QTest::newRow("largest below one") << belowOne << 6 << "lblFullBrand";
    }

    void coBrandDrawPicksTheLabelInFront()
    {
        QFETCH(float, value);
        QFETCH(int, number);
        QFETCH(QString, front);
        PromoWindow promo;
        // Start with the other label in front so that the draw must change it.
        (front == QLatin1String("lblCobrand") ? promo.fullBrand : promo.cobrand)->raise();
        FakePlatform platform;
        platform.randomValues.enqueue(value);

        CoBrand_Randomize(platform, promo.labels);

        QCOMPARE(int(intCoBrandRandomNumber()), number);
        QCOMPARE(promo.front()->objectName(), front);
    }

    void coBrandDrawIsFairOverManyRuns()
    {
        QtPlatform platform;
        platform.seedRandomFromClock();
        PromoWindow promo;
        QVector<int> counts(7, 0);
        int cobrandInFront = 0;
        const int runs = 6000;
        for (int i = 0; i < runs; ++i) {
            CoBrand_Randomize(platform, promo.labels);
            ++counts[intCoBrandRandomNumber()];
            cobrandInFront += promo.front() == promo.cobrand;
        }
        QCOMPARE(counts[0], 0);
        for (int n = 1; n <= 6; ++n)
            QVERIFY2(counts[n] > 850 && counts[n] < 1150, qPrintable(QString::number(counts[n])));
        QVERIFY(cobrandInFront > 2700 && cobrandInFront < 3300);
    }

    // Only a live copy holding the lock refuses a start. A folder that takes no file
    // leaves nothing to protect: the start goes on, and the line says where and why.
    void onlyALiveCopyHoldingTheLockRefusesAStart()
    {
        QTemporaryDir folder;
        QLockFile held(folder.filePath(QStringLiteral("held.lock")));
        QVERIFY(held.tryLock(0));
        QLockFile second(folder.filePath(QStringLiteral("held.lock")));
        QString problem;
        QVERIFY(!takeInstanceLock(second, problem));
        QVERIFY(problem.isEmpty());
        // Where this user may give it to another (root may), a lock file of theirs guards nothing.
        if (QProcess::execute("chown", {"54321", held.fileName()}) == 0)
            QVERIFY(takeInstanceLock(second, problem) && problem.contains("another user's"));

        QFile plain(folder.filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        QLockFile blocked(plain.fileName() + QStringLiteral("/program.lock"));
        QVERIFY(takeInstanceLock(blocked, problem));
        const QString shown = QDir::toNativeSeparators(plain.fileName());
        QVERIFY2(problem.contains(QLatin1Char('"') + shown + QLatin1Char('"')),
                 qPrintable(problem));
#ifndef Q_OS_WIN // the system's words, which Windows (and Wine) choose otherwise
        QVERIFY2(problem.contains(QLatin1String("Not a directory")), qPrintable(problem));
#endif
#ifdef Q_OS_LINUX // where the runtime folder is the desktop's, and may be missing
        // Without a runtime folder (a file in its place), a lock under the shared name, an older
        // copy's or another user's, refuses nothing, and this user's own lock still counts.
        const ScopedEnvironment noRuntime{{"XDG_RUNTIME_DIR", ""},
                                          {"TMPDIR", QFile::encodeName(folder.path())}};
        const QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
        QVERIFY(QDir().rmdir(runtime) && QFile(runtime).open(QIODevice::WriteOnly));
        QLockFile shared(folder.filePath(settingsApplicationName() + QStringLiteral(".lock")));
        QVERIFY(shared.tryLock(0));
        QtPlatform first, again;
        QVERIFY(first.acquireInstanceLock() && !again.acquireInstanceLock());
#endif
    }

    void exitClosesEveryWindowAndEnds()
    {
        FakePlatform platform;
        QWidget first;
        QWidget second;
        first.show();
        second.show();
        exitProgram(platform);
        QVERIFY(!first.isVisible());
        QVERIFY(!second.isVisible());
        QCOMPARE(platform.exitStatuses, QList<int>({0}));
    }

    void exitEndsEvenWhenAWindowRefusesAndReentersIt()
    {
        FakePlatform platform;
        StubbornWindow stubborn(platform);
        QWidget other;
        stubborn.show();
        other.show();
        exitProgram(platform);
        QCOMPARE(stubborn.closeAttempts, 1);
        QVERIFY(!other.isVisible());
        QVERIFY(!platform.exitStatuses.isEmpty());
        QVERIFY(platform.exitStatuses.count(0) == platform.exitStatuses.size());
    }

    // Opening a link through the real platform hands the address to the desktop.
    void theRealPlatformHandsTheAddressToTheDesktop()
    {
        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("http"), &catcher, "open");
        QtPlatform platform;
        openLink(platform, LinkTarget::DonatePage);
        QDesktopServices::unsetUrlHandler(QStringLiteral("http"));

        QCOMPARE(catcher.urls.size(), 1);
        QCOMPARE(catcher.urls.constFirst().toString(QUrl::FullyEncoded),
                 linkAddress(LinkTarget::DonatePage));
#ifdef Q_OS_LINUX // nothing on PATH opens it (no xdg-open), and there is no BROWSER
        const ScopedEnvironment noBrowser{{"PATH", "/nonexistent"}, {"BROWSER", ""}};
        QVERIFY(!platform.openAddress(linkAddress(LinkTarget::DonatePage)));
#endif
    }
};

QTEST_MAIN(tst_Lifecycle)
#include "tst_lifecycle.moc"
