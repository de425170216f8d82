// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "links/modTellAFriend.h"
#include "support/FakePlatform.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/Twips.h"
#include "ui/exit/ReferralForm.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QUrl>
#include <QUrlQuery>
#include <QtTest>
#include <memory>

using namespace qvz;

namespace {

const QString spaceMessage = QStringLiteral("message: Email Address Cannot Contain Space");

// Stands in for the exit screen: a window with the frame at its place and an exit
// button that holds the focus when it opens.
struct Screen {
    FakePlatform platform;
    QWidget window;
    QPushButton* exit = new QPushButton(QStringLiteral("E&xit"), &window);
    ReferralForm* form = new ReferralForm(platform, &window);

    Screen()
    {
        exit->setGeometry(twipsRect(6000, 2760, 1245, 375));
        form->setGeometry(twipsRect(120, 3240, 7065, 1455));
        window.resize(twipsSize(11265, 5250));
        exit->setFocus();
    }

    template <typename T = QLineEdit> T* box(const char* name) const
    {
        return form->findChild<T*>(QLatin1String(name));
    }
    QPlainTextEdit* message() const { return box<QPlainTextEdit>("txtMessage"); }
    QPushButton* submit() const { return box<QPushButton>("cmdSubmit"); }
    QString focusName() const
    {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString();
    }
    void click(QWidget* widget) const { QTest::mouseClick(widget, Qt::LeftButton); }
    void tab(int times = 1) const
    {
        for (int i = 0; i < times; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }
    void selectAllAndDelete() const
    {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
    }
    void paste(const QString& text) const
    {
        QApplication::clipboard()->setText(text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_V, Qt::ControlModifier);
    }
    // Clicks into a box and types into it, as a user fills a field.
    void fill(const char* name, const QString& text) const
    {
        click(box(name));
        type(box(name), text);
    }
    // Like QTest::keyClicks, but also for letters beyond ASCII.
    static void type(QWidget* widget, const QString& text)
    {
        for (QChar character : text) {
            if (character.unicode() < 0x80)
                QTest::keyClick(widget, character.toLatin1());
            else
                QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(character),
                                    Qt::NoModifier);
        }
    }
};

QString decodedValue(const QString& address, const char* name)
{
    return QUrlQuery(QUrl(address)).queryItemValue(QLatin1String(name), QUrl::FullyDecoded);
}

} // namespace

class TestReferralForm : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void showsTheFormAtItsPlaces();
    void tabVisitsTheControlsInOrder();
    void placeholdersComeAndGoWithTheFocus();
    void hiddenMessageBoxKeepsItsLineBreakUntilEmptied();
    void typedSpacesAreRefusedOnlyInEmailBoxes();
    void pastedSpacesAreAccepted();
    void submittingSendsTheTrimmedTextsAndChangesNothing();
    void refusedSubmissionKeepsEveryText();

private:
    std::unique_ptr<Screen> screen;
};

void TestReferralForm::init()
{
    lastReferralRequest() = ReferralRequest();
    screen = std::make_unique<Screen>();
    screen->window.show();
    screen->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&screen->window));
}

void TestReferralForm::cleanup()
{
    screen.reset();
}

void TestReferralForm::showsTheFormAtItsPlaces()
{
    const Screen& s = *screen;
    QCOMPARE(s.form->objectName(), QStringLiteral("Frame2"));
    QCOMPARE(s.form->title(), QStringLiteral("Refer A Friend"));
    QVERIFY(s.form->font().bold());
    QCOMPARE(s.form->font().pointSizeF(), 9.75);

    const QPair<const char*, QString> boxes[] = {
        {"txtName", QStringLiteral("Your Name")},
        {"txtEmail", QStringLiteral("Your Email Address")},
        {"txtFriendName", QStringLiteral("Friend's Name")},
        {"txtFriendEmail", QStringLiteral("Friend's Email Address")},
    };
    for (const auto& [name, text] : boxes) {
        QLineEdit* box = s.box(name);
        QVERIFY2(box && box->isVisible(), name);
        QCOMPARE(box->text(), text);
        QVERIFY(!box->font().bold());
    }
    // One box in its two-column grid, to catch a slip in converting the places.
    QCOMPARE(s.box("txtFriendEmail")->geometry(), twipsRect(3600, 720, 3375, 285));

    QCOMPARE(s.submit()->text(), QStringLiteral("Refer A Friend &Now"));
    QVERIFY(s.submit()->font().bold());

    // The message box exists but lies below the frame's lower edge, out of sight.
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Your Message\n"));
    QCOMPARE(s.message()->geometry(), twipsRect(4800, 3600, 1815, 495));
    QVERIFY(s.message()->geometry().top() >= s.form->height());
    QVERIFY(s.message()->visibleRegion().isEmpty());

    // White title on navy: the background beside the title, and the title's own pixels.
    const QImage image = s.form->grab().toImage();
    QCOMPARE(image.pixelColor(s.form->width() - 10, 2), kNavy);
    bool whiteText = false;
    for (int x = 0; x < s.form->width() / 3 && !whiteText; ++x) {
        for (int y = 0; y < 14 && !whiteText; ++y)
            whiteText = image.pixelColor(x, y) == QColor(Qt::white);
    }
    QVERIFY(whiteText);
}

void TestReferralForm::tabVisitsTheControlsInOrder()
{
    Screen& s = *screen;
    s.click(s.box("txtName"));
    QStringList visited{s.focusName()};
    for (int i = 0; i < 5; ++i) {
        s.tab();
        visited << s.focusName();
    }
    QCOMPARE(visited, (QStringList{"txtName", "cmdSubmit", "txtEmail", "txtFriendEmail",
                                   "txtFriendName", "txtMessage"}));

    // Tab leaves the multi-line box instead of being typed into it.
    s.tab();
    QVERIFY(s.focusName() != QStringLiteral("txtMessage"));
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Your Message\n"));
}

void TestReferralForm::placeholdersComeAndGoWithTheFocus()
{
    Screen& s = *screen;
    QLineEdit* name = s.box("txtName");
    QLineEdit* friendName = s.box("txtFriendName");

    // Entering a box that shows its placeholder empties it; leaving it empty restores it.
    s.click(name);
    QCOMPARE(name->text(), QString());
    s.click(friendName);
    QCOMPARE(name->text(), QStringLiteral("Your Name"));
    QCOMPARE(friendName->text(), QString());

    // Spaces only count as empty.
    QTest::keyClicks(friendName, QStringLiteral("   "));
    s.click(name);
    QCOMPARE(friendName->text(), QStringLiteral("Friend's Name"));

    // The user's own text stays, spaces and all.
    QTest::keyClicks(name, QStringLiteral(" Ann "));
    s.click(friendName);
    QCOMPARE(name->text(), QStringLiteral(" Ann "));
    s.click(name);
    QCOMPARE(name->text(), QStringLiteral(" Ann "));

    // The placeholder with spaces around it is still the placeholder; another case is not.
    name->setText(QStringLiteral("  Your Name "));
    friendName->setText(QStringLiteral("friend's name"));
    s.click(friendName);
    s.click(name);
    QCOMPARE(friendName->text(), QStringLiteral("friend's name"));
    QCOMPARE(name->text(), QString());

    // A tab character is not a space: leaving a box that holds one keeps it.
    s.paste(QStringLiteral("\t"));
    QCOMPARE(name->text(), QStringLiteral("\t"));
    s.click(friendName);
    QCOMPARE(name->text(), QStringLiteral("\t"));

    // Leaving by Tab works like leaving by mouse.
    s.click(s.box("txtEmail"));
    QCOMPARE(s.box("txtEmail")->text(), QString());
    s.tab();
    QCOMPARE(s.focusName(), QStringLiteral("txtFriendEmail"));
    QCOMPARE(s.box("txtEmail")->text(), QStringLiteral("Your Email Address"));
    QCOMPARE(s.box("txtFriendEmail")->text(), QString());

    // A context menu over the emptied box leaves it empty, ready to paste into.
    QMenu menu;
    menu.addAction(QStringLiteral("Paste"));
    menu.popup(s.box("txtFriendEmail")->mapToGlobal(QPoint(4, 4)));
    QVERIFY(QTest::qWaitForWindowExposed(&menu));
    QCOMPARE(s.box("txtFriendEmail")->text(), QString());
    menu.close();
    QCOMPARE(s.focusName(), QStringLiteral("txtFriendEmail"));
    QCOMPARE(s.box("txtFriendEmail")->text(), QString());
    QVERIFY(s.platform.calls.isEmpty());
}

void TestReferralForm::hiddenMessageBoxKeepsItsLineBreakUntilEmptied()
{
    Screen& s = *screen;
    s.click(s.box("txtFriendName"));
    s.tab();
    QCOMPARE(s.focusName(), QStringLiteral("txtMessage"));
    // "Your Message" with its line break is not the placeholder, so the first visit keeps it.
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Your Message\n"));

    s.selectAllAndDelete();
    QCOMPARE(s.message()->toPlainText(), QString());
    s.tab();
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Your Message"));

    // Now it is the placeholder and the next visit empties it.
    s.click(s.box("txtFriendName"));
    s.tab();
    QCOMPARE(s.message()->toPlainText(), QString());
    s.tab();

    s.fill("txtName", QStringLiteral("Ann"));
    s.fill("txtEmail", QStringLiteral("ann@example.org"));
    s.fill("txtFriendEmail", QStringLiteral("bo@example.net"));
    s.fill("txtFriendName", QStringLiteral("Bo"));
    s.click(s.submit());
    QCOMPARE(s.platform.calls, QStringList{QStringLiteral("message: Please Enter Your Message")});
    QCOMPARE(lastReferralRequest().message, QStringLiteral("Your Message"));
}

void TestReferralForm::typedSpacesAreRefusedOnlyInEmailBoxes()
{
    Screen& s = *screen;
    for (const char* name : {"txtEmail", "txtFriendEmail"}) {
        s.platform = FakePlatform();
        // A real message box takes the focus away; the box must get it back.
        s.platform.onMessage = [&s](const MessageRequest&) { s.box("txtName")->setFocus(); };
        s.click(s.box(name));
        QTest::keyClicks(s.box(name), QStringLiteral("ann lee @x. org"));
        QCOMPARE(s.box(name)->text(), QStringLiteral("annlee@x.org"));
        QCOMPARE(s.focusName(), QLatin1String(name));
        QCOMPARE(s.platform.calls, QStringList(3, spaceMessage));
        for (const MessageRequest& shown : std::as_const(s.platform.messages)) {
            QCOMPARE(shown.caption, QStringLiteral(QVZ_APP_NAME));
            QCOMPARE(shown.icon, MessageIcon::Critical);
            QCOMPARE(shown.buttons, MessageButtons::Ok);
            QCOMPARE(shown.owner, &s.window);
        }
    }

    // The other boxes take spaces like any other character.
    s.platform = FakePlatform();
    s.fill("txtName", QStringLiteral("Ann Lee"));
    s.fill("txtFriendName", QStringLiteral("Bo  Ray"));
    s.tab();
    QTest::keyClick(s.message(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(s.message(), QStringLiteral(" hi there"));
    QCOMPARE(s.box("txtName")->text(), QStringLiteral("Ann Lee"));
    QCOMPARE(s.box("txtFriendName")->text(), QStringLiteral("Bo  Ray"));
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Your Message\n hi there"));
    QVERIFY(s.platform.calls.isEmpty());
}

void TestReferralForm::pastedSpacesAreAccepted()
{
    Screen& s = *screen;
    s.click(s.box("txtEmail"));
    s.paste(QStringLiteral(" ann @example.org "));
    QCOMPARE(s.box("txtEmail")->text(), QStringLiteral(" ann @example.org "));
    QVERIFY(s.platform.calls.isEmpty());

    s.fill("txtName", QStringLiteral("Ann"));
    s.fill("txtFriendEmail", QStringLiteral("bo@example.net"));
    s.fill("txtFriendName", QStringLiteral("Bo"));
    s.click(s.submit());
    // Trimmed at the ends only: the inner space reaches the site.
    QCOMPARE(s.platform.openedAddresses.size(), 1);
    QCOMPARE(decodedValue(s.platform.openedAddresses.first(), "taf2"),
             QStringLiteral("ann @example.org"));
    // A paste longer than a line edit holds is kept whole (and refused at the press).
    s.click(s.box("txtFriendName"));
    s.paste(QString(40000, QLatin1Char('z')));
    QCOMPARE(s.box("txtFriendName")->text().size(), 40002);
}

void TestReferralForm::submittingSendsTheTrimmedTextsAndChangesNothing()
{
    Screen& s = *screen;
    s.fill("txtName", QStringLiteral(" Tom & Jerry=#1+ "));
    s.fill("txtEmail", QStringLiteral("tom@example.org"));
    s.fill("txtFriendEmail", QStringLiteral("zoë@exämple.org"));
    s.fill("txtFriendName", QStringLiteral("Zoë Ærø "));
    s.click(s.submit());

    QCOMPARE(s.platform.calls.size(), 1);
    const QString address = s.platform.openedAddresses.value(0);
    QCOMPARE(address, lastReferralRequest().address);
    QCOMPARE(decodedValue(address, "taf1"), QStringLiteral("Tom & Jerry=#1+"));
    QCOMPARE(decodedValue(address, "taf2"), QStringLiteral("tom@example.org"));
    QCOMPARE(decodedValue(address, "taf3"), QStringLiteral("Your Message\r\n"));
    QCOMPARE(decodedValue(address, "taf4"), QStringLiteral("Zoë Ærø"));
    QCOMPARE(decodedValue(address, "taf5"), QStringLiteral("zoë@exämple.org"));
    QCOMPARE(decodedValue(address, "taf6"), pageFolderAddress());

    // Nothing on screen changes, and the access key submits the same referral again.
    QCOMPARE(s.box("txtName")->text(), QStringLiteral(" Tom & Jerry=#1+ "));
    QCOMPARE(s.box("txtFriendName")->text(), QStringLiteral("Zoë Ærø "));
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Your Message\n"));
    QTest::keyClick(&s.window, Qt::Key_N, Qt::AltModifier);
    QTRY_COMPARE(s.platform.openedAddresses, QStringList(2, address));

    // Lines typed into the message box are sent with CR LF breaks.
    s.click(s.box("txtFriendName"));
    s.tab();
    s.selectAllAndDelete();
    QTest::keyClicks(s.message(), QStringLiteral("Hi"));
    QTest::keyClick(s.message(), Qt::Key_Return);
    QTest::keyClicks(s.message(), QStringLiteral("there"));
    s.click(s.submit());
    QCOMPARE(s.platform.openedAddresses.size(), 3);
    QCOMPARE(decodedValue(s.platform.openedAddresses.last(), "taf3"),
             QStringLiteral("Hi\r\nthere"));
    // Where no browser starts, the referral was not sent, and the form keeps every value.
    s.platform.browserStarts = false;
    s.click(s.submit());
    QVERIFY(s.platform.calls.last().startsWith("message: The referral was not sent.\r\nNo"));
    QCOMPARE(s.message()->toPlainText(), QStringLiteral("Hi\nthere"));
}

void TestReferralForm::refusedSubmissionKeepsEveryText()
{
    Screen& s = *screen;
    s.click(s.submit());
    // Untouched, both e-mail boxes show placeholders: distinct, but without "@".
    QCOMPARE(s.platform.calls,
             QStringList{QStringLiteral("message: Please Enter Proper Email Address")});
    QCOMPARE(s.platform.messages.first().owner, &s.window);
    QCOMPARE(lastReferralRequest().senderEmail, QStringLiteral("Your Email Address"));
    QCOMPARE(lastReferralRequest().message, QStringLiteral("Your Message\r\n"));

    s.fill("txtEmail", QStringLiteral("a@b.c"));
    s.fill("txtFriendEmail", QStringLiteral("a@b.c"));
    s.click(s.submit());
    QCOMPARE(s.platform.calls.last(),
             QStringLiteral("message: Please Enter Distinct Email Addresses"));
    QCOMPARE(s.box("txtEmail")->text(), QStringLiteral("a@b.c"));
    QCOMPARE(s.box("txtFriendEmail")->text(), QStringLiteral("a@b.c"));

    s.fill("txtFriendEmail", QStringLiteral("A"));
    s.click(s.submit());
    QCOMPARE(s.platform.calls.last(), QStringLiteral("message: Please Enter Your Name"));
    QCOMPARE(s.box("txtName")->text(), QStringLiteral("Your Name"));
    QVERIFY(s.platform.openedAddresses.isEmpty());
}

QTEST_MAIN(TestReferralForm)
#include "tst_referralform.moc"
