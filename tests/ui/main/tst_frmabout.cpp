// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "support/FakePlatform.h"
#include "ui/common/Fonts.h"
#include "ui/common/Twips.h"
#include "ui/main/MainTexts.h"
#include "ui/main/frmAbout.h"

#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>
#include <functional>

using namespace qvz;

namespace {

const QColor orange(255, 128, 0);

QLabel* label(QWidget& window, const char* name)
{
    auto* found = window.findChild<QLabel*>(QLatin1String(name));
    if (!found)
        qFatal("no label %s", name);
    return found;
}

QPushButton* okButton(QWidget& window)
{
    auto* found = window.findChild<QPushButton*>(QStringLiteral("cmdOK"));
    if (!found)
        qFatal("no cmdOK");
    return found;
}

} // namespace

class TestFrmAbout : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void windowIsOrangeFixedAndCaptioned()
    {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        QCOMPARE(about.windowTitle(), QStringLiteral(QVZ_APP_NAME " v" QVZ_VERSION));
        QCOMPARE(about.size(), QSize(476, 291));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

        const QImage shot = about.grab().toImage();
        QCOMPARE(shot.pixelColor(3, 285), orange); // bottom left, beside the OK button
        QCOMPARE(shot.pixelColor(470, 5), orange); // top right corner
        // The black rule spans the whole width, two pixels high, above the button.
        for (int x : {0, 200, about.width() - 1}) {
            QCOMPARE(shot.pixelColor(x, 258), QColor(Qt::black));
            QCOMPARE(shot.pixelColor(x, 259), QColor(Qt::black));
            QCOMPARE(shot.pixelColor(x, 257), orange);
            QCOMPARE(shot.pixelColor(x, 260), orange);
        }

        // The program icon, when it is built in, is the picture at the top left.
        const QImage icon(QStringLiteral(":/icon-32.png"));
        QCOMPARE(
            label(about, "Picture1")->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
            icon.convertToFormat(QImage::Format_ARGB32));
    }

    void textsAreWhiteWholeAndApart()
    {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));

        QCOMPARE(label(about, "Label2")->text(), QStringLiteral(QVZ_APP_NAME " v" QVZ_VERSION));
        QVERIFY(label(about, "Label2")->font().bold());
        QCOMPARE(label(about, "Label2")->font().pointSizeF(), 9.75);
        QCOMPARE(label(about, "lblHomePage")->text(),
                 QStringLiteral("Click here to visit ") + siteHost());
        QCOMPARE(label(about, "lblCoBrand")->text(),
                 QStringLiteral("Click here for more details."));
        QVERIFY(label(about, "Label3")->font().bold());
        // The offer is the main window's, less the closing invitation to click.
        const QString offer = label(about, "Label3")->text();
        QVERIFY(offer.endsWith(QLatin1Char('.')));
        QVERIFY(fullBrandOfferText().startsWith(offer + QLatin1Char(' ')));
        const QString invitation = fullBrandOfferText().mid(offer.size()).trimmed();
        QVERIFY(invitation.endsWith(QLatin1Char('.')));
        QVERIFY(!invitation.contains(QLatin1String(". ")));
        QCOMPARE(offer.count(QLatin1String(". ")), 2);
        QVERIFY(!label(about, "Label1")->font().bold());

        const QString description = label(about, "Label1")->text();
        QVERIFY(description.startsWith(QStringLiteral(QVZ_APP_NAME " ")));
        QVERIFY(!description.contains(QLatin1Char('\n')) &&
                !description.contains(QLatin1Char('\r')));

        // That texts fit and lie apart is checked for every window elsewhere; the
        // picture and the rule, which show no text, are checked here.
        const QList<const char*> texts = {"Label2", "Label1", "lblHomePage", "Label3",
                                          "lblCoBrand"};
        const QList<QWidget*> pictures = {label(about, "Picture1"),
                                          about.findChild<QWidget*>(QStringLiteral("Line1"))};
        for (const char* name : texts) {
            const QLabel* text = label(about, name);
            QCOMPARE(text->palette().color(text->foregroundRole()), QColor(Qt::white));
            QVERIFY2(!text->autoFillBackground(), name);
            for (QWidget* picture : pictures)
                QVERIFY2(!picture->geometry().intersects(text->geometry()), name);
        }
        for (const char* link : {"lblHomePage", "lblCoBrand"})
            QVERIFY(label(about, link)->font().underline());
        // The details link sits at the right, on the line below the offer.
        QVERIFY(label(about, "lblCoBrand")->y() >= label(about, "Label3")->geometry().bottom());
        QCOMPARE(label(about, "lblCoBrand")->geometry().right(),
                 label(about, "lblHomePage")->geometry().right());
    }

    void okIsFirstDefaultAndInMsSansSerif()
    {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowActive(&about));
        QPushButton* ok = okButton(about);
        QCOMPARE(ok->text(), QStringLiteral("OK"));
        QVERIFY(ok->isDefault());
        QCOMPARE(ok->font().family(), QStringLiteral("MS Sans Serif"));
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    // Enter and Esc press OK wherever the focus is; OK and the close box close too.
    // Each way ends the modal loop, so the window below takes input again.
    void everyWayOfClosingEndsTheModalLoop()
    {
        using Way = std::function<void(frmAbout&)>;
        auto keyOn = [](const char* focusOn, Qt::Key key) {
            return Way([=](frmAbout& about) {
                QWidget* target = about.findChild<QWidget*>(QLatin1String(focusOn));
                target->setFocus();
                QTRY_COMPARE(QApplication::focusWidget(), target);
                QTest::keyClick(QApplication::focusWidget(), key);
            });
        };
        const QList<QPair<QString, Way>> ways = {
            {"Enter on OK", keyOn("cmdOK", Qt::Key_Return)},
            {"keypad Enter on the description", keyOn("Label1", Qt::Key_Enter)},
            {"Enter on the offer", keyOn("Label3", Qt::Key_Return)},
            {"Esc on OK", keyOn("cmdOK", Qt::Key_Escape)},
            {"Esc on the offer", keyOn("Label3", Qt::Key_Escape)},
            {"Esc on the details link", keyOn("lblCoBrand", Qt::Key_Escape)},
            {"OK clicked",
             [](frmAbout& about) { QTest::mouseClick(okButton(about), Qt::LeftButton); }},
            {"close box", [](frmAbout& about) { about.close(); }},
        };
        for (const auto& [name, way] : ways) {
            FakePlatform platform;
            QWidget owner;
            owner.show();
            frmAbout about(platform, &owner);
            QSignalSpy okPresses(okButton(about), &QPushButton::clicked);
            bool sawModal = false;
            QTimer::singleShot(0, &about, [&, way = way] {
                QVERIFY(QTest::qWaitForWindowActive(&about));
                sawModal = QApplication::activeModalWidget() == &about;
                way(about);
            });
            // A way that fails to close must not hang the test.
            QTimer::singleShot(5000, &about, [&] { about.done(-1); });
            const int result = about.exec();

            QVERIFY2(sawModal, qPrintable(name));
            QVERIFY2(result != -1, qPrintable(name));
            QVERIFY2(!about.isVisible(), qPrintable(name));
            QVERIFY2(QApplication::activeModalWidget() == nullptr, qPrintable(name));
            if (name != QLatin1String("close box"))
                QVERIFY2(okPresses.count() == 1, qPrintable(name));
            QVERIFY2(platform.calls.isEmpty(), qPrintable(name));
        }
    }

    void linksOpenTheirPagesOncePerClickAndStayOpen()
    {
        FakePlatform platform;
        frmAbout about(platform);
        about.show();
        QVERIFY(QTest::qWaitForWindowExposed(&about));
        const QString home = linkAddress(LinkTarget::HomePage);
        const QString branded = linkAddress(LinkTarget::FullyBrandedPage);

        QTest::mouseClick(label(about, "lblHomePage"), Qt::LeftButton);
        QCOMPARE(platform.openedAddresses, QStringList{home});
        QVERIFY(about.isVisible());

        QTest::mouseClick(label(about, "lblCoBrand"), Qt::LeftButton);
        // A double click, as the window system delivers it, opens the page once.
        QLabel* homeLink = label(about, "lblHomePage");
        QTest::mouseDClick(about.windowHandle(), Qt::LeftButton, {},
                           homeLink->mapTo(&about, homeLink->rect().center()));
        QCOMPARE(platform.openedAddresses, (QStringList{home, branded, home}));
        QVERIFY(about.isVisible());

        // A right click is no click, and the offer text is no link at all.
        QTest::mouseClick(label(about, "lblCoBrand"), Qt::RightButton);
        QTest::mouseClick(label(about, "Label3"), Qt::LeftButton);
        QTest::mouseClick(label(about, "Label1"), Qt::LeftButton);
        QCOMPARE(platform.calls.size(), 3);
        QVERIFY(about.isVisible());

        QCOMPARE(label(about, "lblHomePage")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label(about, "lblCoBrand")->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label(about, "Label3")->cursor().shape(), Qt::ArrowCursor);
    }

    void secondOpeningShowsTheSameContents()
    {
        FakePlatform platform;
        QImage firstShot;
        {
            frmAbout about(platform);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            firstShot = about.grab().toImage();
            QTest::mouseClick(label(about, "lblHomePage"), Qt::LeftButton);
            QTest::keyClick(&about, Qt::Key_Escape);
        }
        frmAbout again(platform);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(again.grab().toImage(), firstShot);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
