#include "app/AppInfo.h"
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

QColor pixel(const QImage& image, int x, int y)
{
    return image.pixelColor(x, y);
}

// The whole text is on screen: a one-line text is no wider than its label, and a
// word-wrapped one needs no more height than the label has.
bool showsWholeText(const QLabel* label)
{
    if (label->wordWrap())
        return label->heightForWidth(label->width()) <= label->height();
    return label->sizeHint().width() <= label->width() &&
           label->sizeHint().height() <= label->height();
}

// Everything that can be read, as the user would see it, in one comparable list.
QStringList visibleContents(QWidget& window)
{
    QStringList contents{window.windowTitle(), QString::number(window.width()),
                         QString::number(window.height())};
    for (const QWidget* child : window.findChildren<QWidget*>()) {
        QString text;
        if (auto* asLabel = qobject_cast<const QLabel*>(child))
            text = asLabel->text();
        else if (auto* asButton = qobject_cast<const QPushButton*>(child))
            text = asButton->text();
        const QRect place = child->geometry();
        contents << QStringLiteral("%1 %2 %3,%4 %5x%6 %7")
                        .arg(child->objectName(), text)
                        .arg(place.x())
                        .arg(place.y())
                        .arg(place.width())
                        .arg(place.height())
                        .arg(child->font().toString());
    }
    return contents;
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

        QCOMPARE(about.windowTitle(), QStringLiteral("QV Zodiqa v1.75"));
        QCOMPARE(about.size(), QSize(476, 291));
        QCOMPARE(about.minimumSize(), about.maximumSize());
        const Qt::WindowFlags flags = about.windowFlags();
        QVERIFY(flags & Qt::WindowCloseButtonHint);
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

        const QImage shot = about.grab().toImage();
        QCOMPARE(pixel(shot, 3, 285), orange); // bottom left, beside the OK button
        QCOMPARE(pixel(shot, 470, 5), orange); // top right corner
        // The black rule spans the whole width, two pixels high, above the button.
        for (int x : {0, 200, about.width() - 1}) {
            QCOMPARE(pixel(shot, x, 258), QColor(Qt::black));
            QCOMPARE(pixel(shot, x, 259), QColor(Qt::black));
            QCOMPARE(pixel(shot, x, 257), orange);
            QCOMPARE(pixel(shot, x, 260), orange);
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

        QCOMPARE(label(about, "Label2")->text(), QStringLiteral("QV Zodiqa v1.75"));
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
        QVERIFY(description.startsWith(QStringLiteral("QV Zodiqa ")));
        QVERIFY(!description.contains(QLatin1Char('\n')) &&
                !description.contains(QLatin1Char('\r')));

        const QList<const char*> texts = {"Label2", "Label1", "lblHomePage", "Label3",
                                          "lblCoBrand"};
        for (const char* name : texts) {
            const QLabel* text = label(about, name);
            QVERIFY2(showsWholeText(text), name);
            QVERIFY2(about.rect().contains(text->geometry()), name);
            QCOMPARE(text->palette().color(text->foregroundRole()), QColor(Qt::white));
            QVERIFY2(!text->autoFillBackground(), name);
        }
        for (const char* link : {"lblHomePage", "lblCoBrand"})
            QVERIFY(label(about, link)->font().underline());

        // Nothing readable lies on top of anything else.
        QList<QWidget*> parts;
        for (const char* name : texts)
            parts << label(about, name);
        parts << label(about, "Picture1") << okButton(about)
              << about.findChild<QWidget*>(QStringLiteral("Line1"));
        for (int i = 0; i < parts.size(); ++i) {
            for (int j = i + 1; j < parts.size(); ++j) {
                QVERIFY2(!parts[i]->geometry().intersects(parts[j]->geometry()),
                         qPrintable(parts[i]->objectName() + " / " + parts[j]->objectName()));
            }
        }
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
            {"Enter on the home link", keyOn("lblHomePage", Qt::Key_Return)},
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
        QTest::mouseClick(label(about, "lblHomePage"), Qt::LeftButton);
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
        QStringList first;
        QImage firstShot;
        {
            frmAbout about(platform);
            about.show();
            QVERIFY(QTest::qWaitForWindowExposed(&about));
            first = visibleContents(about);
            firstShot = about.grab().toImage();
            QTest::mouseClick(label(about, "lblHomePage"), Qt::LeftButton);
            QTest::keyClick(&about, Qt::Key_Escape);
        }
        frmAbout again(platform);
        again.show();
        QVERIFY(QTest::qWaitForWindowExposed(&again));
        QCOMPARE(visibleContents(again), first);
        QCOMPARE(again.grab().toImage(), firstShot);
    }
};

QTEST_MAIN(TestFrmAbout)
#include "tst_frmabout.moc"
