// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "support/Controls.h"
#include "support/FakePlatform.h"
#include "ui/common/Fonts.h"
#include "ui/common/ProgramColours.h"
#include "ui/exit/SupportMessages.h"
#include "ui/exit/frmNagScreen2.h"
#include "ui/platform/QtPlatform.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QtTest>
#include <cmath>

using namespace qvz;

namespace {

QString shownMessage(frmNagScreen2& screen)
{
    return child<QLabel>(screen, "Label2")->text();
}

// The index of the support message the screen shows, or -1 for none of them.
int shownIndex(frmNagScreen2& screen)
{
    for (int index = 0; index < supportMessageCount; ++index) {
        if (shownMessage(screen) == supportMessage(index))
            return index;
    }
    return -1;
}

// A screen whose draw is the given value.
struct ScreenWithDraw {
    FakePlatform platform;
    frmNagScreen2 screen;

    explicit ScreenWithDraw(float draw) : screen((platform.randomValues.enqueue(draw), platform)) {}
};

void clickBox(QCheckBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(10, box->height() / 2));
}

QWidget* firstInTabOrder(QWidget& window)
{
    QWidget* widget = window.nextInFocusChain();
    while (widget != &window && !(widget->focusPolicy() & Qt::TabFocus))
        widget = widget->nextInFocusChain();
    return widget;
}

} // namespace

class TestFrmNagScreen2 : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void loadSeedsThenDrawsOnce()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        QCOMPARE(platform.calls, (QStringList{"seed", "random"}));
        QCOMPARE(screen.windowTitle(), QStringLiteral(QVZ_APP_NAME " v" QVZ_VERSION));
        QCOMPARE(child<QLabel>(screen, "lblNagScreen2Caption")->text(),
                 QStringLiteral(QVZ_APP_NAME " v" QVZ_VERSION));
        QCOMPARE(child<QLabel>(screen, "lblNagScreen2Caption")->font().pointSizeF(), 18.0);
        const QImage icon(QStringLiteral(":/icon-32.png"));
        QCOMPARE(child<QLabel>(screen, "picNagscreen2Icon")
                     ->pixmap()
                     .toImage()
                     .convertToFormat(QImage::Format_ARGB32),
                 icon.convertToFormat(QImage::Format_ARGB32));
    }

    // The integer part of four times the draw; a product that rounds up to four, or a
    // draw outside [0, 1), still picks one of the four messages.
    void drawPicksTheMessage()
    {
        const QList<QPair<float, int>> cases = {
            {0.0f, 0},
            {0.2499999f, 0},
            {0.25f, 1},
            {0.4999999f, 1},
            {0.5f, 2},
            {0.75f, 3},
            {std::nextafter(1.0f, 0.0f), 3},
            {1.0f, 3},
            {-0.1f, 0},
        };
        for (const auto& [draw, expected] : cases) {
            QCOMPARE(supportMessageIndex(draw), expected);
            ScreenWithDraw drawn(draw);
            QVERIFY2(shownIndex(drawn.screen) == expected,
                     qPrintable(QString::number(draw, 'g', 9)));
        }
    }

    void messagesAreDistinctParagraphsNamingTheBoardThatFit()
    {
        QStringList seen;
        for (int index = 0; index < supportMessageCount; ++index) {
            ScreenWithDraw drawn(index / 4.0f);
            const QString message = shownMessage(drawn.screen);
            QVERIFY2(message.size() >= 150 && message.size() <= 230,
                     qPrintable(QString::number(message.size())));
            QVERIFY(message.contains(siteHost()));
            QVERIFY(!message.contains(QLatin1Char('\n')) && !message.contains(QLatin1Char('\r')));
            QVERIFY(!seen.contains(message));
            seen << message;
        }
    }

    // Each screen reseeds the real generator from the clock, as each run does.
    void eachMessageComesUpAboutAQuarterOfTheTime()
    {
        QtPlatform platform;
        constexpr int screens = 2000;
        int counts[supportMessageCount] = {};
        for (int i = 0; i < screens; ++i) {
            frmNagScreen2 screen(platform);
            const int index = shownIndex(screen);
            QVERIFY(index >= 0);
            ++counts[index];
        }
        // A quarter is 500; the standard deviation is about 19.
        for (int count : counts)
            QVERIFY2(count > 400 && count < 600, qPrintable(QString::number(count)));
    }

    void messageStaysForTheRun()
    {
        FakePlatform platform;
        platform.randomValues << 0.6f << 0.1f << 0.9f;
        frmNagScreen2 screen(platform);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        const QString message = shownMessage(screen);
        clickBox(child<QCheckBox>(screen, "Check1"));
        QTest::mouseClick(child(screen, "lblGoToHome"), Qt::LeftButton);
        screen.hide();
        screen.show();
        QApplication::processEvents();
        QCOMPARE(shownMessage(screen), message);
        QCOMPARE(shownIndex(screen), 2);
        QCOMPARE(platform.callsOf("random").size(), 1);
    }

    void visitBoxOpensHomePageOnEveryTickAndNeverStaysTicked()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        platform.calls.clear();
        auto* box = child<QCheckBox>(screen, "Check1");
        const QString home = linkAddress(LinkTarget::HomePage);

        clickBox(box);
        QCOMPARE(platform.openedAddresses, QStringList{home});
        QVERIFY(!box->isChecked());
        clickBox(box);
        QCOMPARE(platform.openedAddresses, (QStringList{home, home}));
        QVERIFY(!box->isChecked());
        // Ticking it with the space bar counts the same.
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Space);
        QCOMPARE(platform.openedAddresses, (QStringList{home, home, home}));
        QVERIFY(!box->isChecked());
        // So do an assistive tool's toggle and press.
        QAccessibleActionInterface* actions =
            QAccessible::queryAccessibleInterface(box)->actionInterface();
        QVERIFY(actions);
        actions->doAction(QAccessibleActionInterface::toggleAction());
        QCOMPARE(platform.openedAddresses.size(), 4);
        QVERIFY(!box->isChecked());
        actions->doAction(QAccessibleActionInterface::pressAction());
        QTRY_COMPARE(platform.openedAddresses.size(), 5);
        QVERIFY(!box->isChecked());
        QCOMPARE(platform.calls.size(), 5);
        QVERIFY(screen.isVisible());
    }

    void visitBoxNamesTheBoardInBlueAndShowsWhole()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        auto* box = child<QCheckBox>(screen, "Check1");
        QCOMPARE(box->text(),
                 QStringLiteral("Click Here To Visit ") + siteHost() + QStringLiteral(" Now"));
        QCOMPARE(box->palette().color(QPalette::WindowText), kBoardBlue);
        QCOMPARE(box->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(box->font().family(), QStringLiteral("Verdana"));
        QVERIFY(box->font().pointSizeF() <= 14.25);
    }

    void softwaresFrameLinksToTheFamilyPage()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        platform.calls.clear();
        auto* frame = child<QGroupBox>(screen, "Frame6");
        QCOMPARE(frame->title(), QStringLiteral("Download Orvane Softwares"));
        auto* link = child<QLabel>(screen, "lblGoToHome");
        QCOMPARE(link->parentWidget(), frame);
        QCOMPARE(link->text(), QStringLiteral("Click Here To Visit Orvane Softwares"));
        QCOMPARE(link->palette().color(link->foregroundRole()), kLinkYellow);
        QVERIFY(link->font().bold() && link->font().underline());

        QTest::mouseClick(link, Qt::LeftButton);
        QTest::mouseClick(link, Qt::LeftButton);
        // A double click, as the window system delivers it, opens the page once.
        QTest::mouseDClick(screen.windowHandle(), Qt::LeftButton, {},
                           link->mapTo(&screen, link->rect().center()));
        const QString softwares = linkAddress(LinkTarget::SoftwaresPage);
        QCOMPARE(platform.calls, QStringList(3, "open: " + softwares));
        QTest::mouseClick(child(screen, "Label3"), Qt::LeftButton);
        QCOMPARE(platform.calls.size(), 3);
    }

    // The second paragraph follows a run of exactly 61 blanks, not a line break.
    void familyBlurbKeepsItsBlankRun()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        auto* blurb = child<QLabel>(screen, "Label3");
        const QString text = blurb->text();
        QVERIFY(!text.contains(QLatin1Char('\n')) && !text.contains(QLatin1Char('\r')));
        const QStringList paragraphs = text.split(QString(61, QLatin1Char(' ')));
        QCOMPARE(paragraphs.size(), 2);
        for (const QString& paragraph : paragraphs) {
            QVERIFY(paragraph.size() > 40);
            QCOMPARE(paragraph.trimmed(), paragraph);
            QVERIFY(!paragraph.contains(QStringLiteral("  ")));
        }
        QCOMPARE(blurb->palette().color(blurb->foregroundRole()), QColor(Qt::white));
    }

    void enterAtOnceEndsTheProgram()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        QCOMPARE(QApplication::focusWidget(), child(screen, "cmdClose"));
        QCOMPARE(firstInTabOrder(screen), child(screen, "cmdClose"));
        QCOMPARE(child<QPushButton>(screen, "cmdClose")->text(), QStringLiteral("E&xit"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(!platform.exitStatuses.isEmpty());
        QCOMPARE(platform.exitStatuses.first(), 0);
        QVERIFY(!screen.isVisible());
    }

    void altXEndsTheProgramWhereverTheFocusIs()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        screen.show();
        QVERIFY(QTest::qWaitForWindowActive(&screen));
        auto* box = child(screen, "Check1");
        box->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), box);
        // Through the window, as the keyboard delivers it, so that access keys apply.
        QTest::keyClick(screen.windowHandle(), Qt::Key_X, Qt::AltModifier);
        // An access key presses the button visibly, so the click comes a moment later.
        QTRY_VERIFY(!platform.exitStatuses.isEmpty());
        QCOMPARE(platform.exitStatuses.first(), 0);
        QVERIFY(platform.openedAddresses.isEmpty());
    }

    void closeBoxEndsTheProgramAsExitDoes()
    {
        FakePlatform byButton;
        frmNagScreen2 buttonScreen(byButton);
        buttonScreen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&buttonScreen));
        QTest::mouseClick(child(buttonScreen, "cmdClose"), Qt::LeftButton);

        FakePlatform byCloseBox;
        frmNagScreen2 closeBoxScreen(byCloseBox);
        closeBoxScreen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&closeBoxScreen));
        closeBoxScreen.close();

        QVERIFY(!byCloseBox.exitStatuses.isEmpty());
        QCOMPARE(byCloseBox.exitStatuses.first(), 0);
        QCOMPARE(byCloseBox.callsOf("exit").first(), byButton.callsOf("exit").first());
        QVERIFY(!closeBoxScreen.isVisible());
        QVERIFY(!buttonScreen.isVisible());
    }

    void screenIsTopmostFixedWhiteAndCentred()
    {
        FakePlatform platform;
        frmNagScreen2 screen(platform);
        screen.show();
        QVERIFY(QTest::qWaitForWindowExposed(&screen));
        QVERIFY(screen.windowFlags() & Qt::WindowStaysOnTopHint);
        QVERIFY(screen.isWindow());
        QCOMPARE(screen.parentWidget(), nullptr);
        QCOMPARE(screen.size(), QSize(741, 315));
        QCOMPARE(screen.minimumSize(), screen.maximumSize());
        const QPoint offCentre =
            screen.geometry().center() - screen.screen()->availableGeometry().center();
        QVERIFY2(std::abs(offCentre.x()) <= 4 && std::abs(offCentre.y()) <= 4,
                 qPrintable(QStringLiteral("%1,%2").arg(offCentre.x()).arg(offCentre.y())));
        QCOMPARE(screen.grab().toImage().pixelColor(3, screen.height() / 2 - 20),
                 QColor(Qt::white));
    }
};

QTEST_MAIN(TestFrmNagScreen2)
#include "tst_frmnagscreen2.moc"
