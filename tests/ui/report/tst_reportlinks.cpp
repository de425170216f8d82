// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "links/LinkTarget.h"
#include "profile/SignProfile.h"
#include "report/WebAddress.h"
#include "support/FakePlatform.h"
#include "ui/report/frmSave.h"
#include "ui/report/modRTB.h"

#include <QPointer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextEdit>
#include <QVBoxLayout>
#include <QtTest>

using namespace qvz;

namespace {

// A stand-in report window: a window holding one view, wired as the report window wires.
struct WiredView {
    QWidget window;
    QTextEdit* view = new QTextEdit(&window);

    explicit WiredView(Platform& platform)
    {
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(view);
        window.resize(500, 300);
        wireReportLinks(platform, view);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        view->setFocus();
    }
};

// Whether the view draws the character at the position underlined, by its own format or
// by one its layout lays over it.
bool shownUnderlined(const QTextEdit& view, int position)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(position + 1); // a cursor's format is that of the character before it
    if (cursor.charFormat().fontUnderline())
        return true;
    const QTextBlock block = view.document()->findBlock(position);
    const int at = position - block.position();
    for (const QTextLayout::FormatRange& range : block.layout()->formats()) {
        if (range.format.fontUnderline() && at >= range.start && at < range.start + range.length)
            return true;
    }
    return false;
}

// The text of the stretch the view shows underlined as a link at the position, if any.
QString shownLinkAt(const QTextEdit& view, int position)
{
    const QTextBlock block = view.document()->findBlock(position);
    if (!shownUnderlined(view, position))
        return QString();
    int start = position;
    while (start > block.position() && shownUnderlined(view, start - 1))
        --start;
    int end = position + 1;
    while (end < block.position() + block.length() - 1 && shownUnderlined(view, end))
        ++end;
    return block.text().mid(start - block.position(), end - start);
}

// How wide the character at the position is drawn: 0 for one that cannot be pressed.
int characterWidth(const QTextEdit& view, int position)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    const QRect before = view.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = view.cursorRect(cursor);
    if (after.top() == before.top())
        return after.left() - before.left();
    const QChar character = view.document()->characterAt(position);
    return character.isSpace() ? 0 : view.fontMetrics().horizontalAdvance(character);
}

// Viewport point on the character at the position, by default in its first half so that
// a press there also puts the caret in front of it; a pixel clear of either edge, which
// whole pixels place only roughly.
QPoint pointOnCharacter(const QTextEdit& view, int position, qreal along = 1.0 / 3)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    const QRect before = view.cursorRect(cursor);
    const int width = characterWidth(view, position);
    return QPoint(before.left() + qBound(1, int(width * along), width - 2), before.center().y());
}

void pressOn(QTextEdit& view, int position, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mousePress(view.viewport(), button, Qt::NoModifier, pointOnCharacter(view, position));
}

void releaseOn(QTextEdit& view, int position, Qt::MouseButton button = Qt::LeftButton)
{
    QTest::mouseRelease(view.viewport(), button, Qt::NoModifier, pointOnCharacter(view, position));
}

QString spanText(const QString& text, const AddressSpan& span)
{
    return text.mid(span.start, span.length);
}

QStringList addressesIn(const QString& text)
{
    QStringList found;
    for (const AddressSpan& span : findWebAddresses(text))
        found << spanText(text, span);
    return found;
}

// Each run draws a seed and prints it; QVZ_FUZZ_SEED replays one.
quint32 editSeed()
{
    bool ok = false;
    const quint32 fixed = qEnvironmentVariable("QVZ_FUZZ_SEED").toUInt(&ok);
    return ok ? fixed : QRandomGenerator::system()->generate();
}

// Pieces that make, join, split and spoil addresses, blanks of several kinds among them.
QString randomPiece(QRandomGenerator& random)
{
    static const QStringList pieces = {"http://",
                                       "https://",
                                       "www.",
                                       "a.org",
                                       "/p",
                                       "(x)",
                                       ")",
                                       ".",
                                       ",",
                                       ":",
                                       "@",
                                       "-",
                                       " ",
                                       "\n",
                                       "\t",
                                       "\"",
                                       "<",
                                       ">",
                                       "word",
                                       "x",
                                       QString(QChar(0xa0)),
                                       QString(QChar(0x85)),
                                       "see www.b.org/x, then",
                                       "go\nhttps://c.net/q\n",
                                       "http://d.org\nwww.e.org"};
    return pieces.at(random.bounded(int(pieces.size())));
}

// One edit as a user makes it, made in both views alike: typing or pasting a piece,
// deleting a stretch that may cross paragraphs, or Ctrl+Z and Ctrl+Shift+Z.
void randomEdit(QTextEdit& wired, QTextEdit& bare, QRandomGenerator& random)
{
    const int end = wired.document()->characterCount() - 1;
    const int at = random.bounded(end + 1);
    const int length = random.bounded(30);
    const int kind = random.bounded(12);
    const QString piece = randomPiece(random);
    for (QTextEdit* view : {&wired, &bare}) {
        QTextCursor cursor(view->document());
        cursor.setPosition(at);
        if (kind < 3) {
            QTest::keyClick(view, Qt::Key_Z,
                            Qt::ControlModifier | (kind < 2 ? Qt::NoModifier : Qt::ShiftModifier));
        } else if (kind < 6) {
            cursor.setPosition(qMin(end, at + length), QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
        } else if (kind < 9) {
            view->setTextCursor(cursor);
            for (const QChar key : piece)
                QTest::sendKeyEvent(QTest::Click, view,
                                    key == '\n' ? Qt::Key_Return : Qt::Key_unknown, key,
                                    Qt::NoModifier);
        } else {
            cursor.insertText(piece);
        }
    }
}

// The first place where the links the view shows differ from a scan of each paragraph as
// a whole.
QString firstWrongLink(const QTextEdit& view)
{
    const QTextDocument& document = *view.document();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        QStringList wanted(text.size());
        for (const AddressSpan& span : findWebAddresses(text)) {
            for (int i = span.start; i < span.start + span.length; ++i)
                wanted[i] = spanText(text, span);
        }
        for (int at = 0; at < text.size(); ++at) {
            const QString link = shownLinkAt(view, block.position() + at);
            if (link != wanted.at(at))
                return QStringLiteral("at %1 of \"%2\": link \"%3\", wanted \"%4\"")
                    .arg(at)
                    .arg(text, link, wanted.at(at));
        }
    }
    return QString();
}

// Presses every character that can be pressed, near its left and near its right end: each
// one shown as a link must open its link's own text, and no other anything. Says what went
// wrong, if anything.
QString wrongPress(QTextEdit& view, FakePlatform& platform)
{
    platform.openedAddresses.clear();
    QStringList wanted;
    for (int position = 0; position < view.document()->characterCount() - 1; ++position) {
        QTextCursor cursor(view.document());
        cursor.setPosition(position);
        view.setTextCursor(cursor); // scrolled into view
        if (characterWidth(view, position) < 3)
            continue;
        for (const qreal along : {0.2, 0.8}) {
            const QPoint point = pointOnCharacter(view, position, along);
            QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, point);
            QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, point);
            const QString link = shownLinkAt(view, position);
            if (!link.isEmpty())
                wanted << webAddressToOpen(link);
            if (platform.openedAddresses != wanted)
                return QStringLiteral("a press at %1 (%2 along) opened %3, wanted %4")
                    .arg(position)
                    .arg(along)
                    .arg(platform.openedAddresses.join(' '), wanted.join(' '));
        }
    }
    return QString();
}

} // namespace

class TestReportLinks : public QObject {
    Q_OBJECT

private slots:
    void findsWebAddressesAndNothingElse_data();
    void findsWebAddressesAndNothingElse();
    void opensOnlyWebSchemes();
    void typedAddressBecomesALinkWithItsTextUnchanged();
    void editingKeepsLinksInStepWithTheText();
    void undoAndRedoStayAvailable();
    void randomEditsLeaveTheLinksAFullScanFinds();
    void pressOpensTheAddressUnderIt_data();
    void pressOpensTheAddressUnderIt();
    void leftPressOpensOnce();
    void releaseAndRightButtonOpenNothing();
    void eventsStillReachTheView();
    void otherSchemesNeverOpen();
    void longAddressIsCutAt1024Characters();
    void reopenedReportWindowHasWorkingLinks();
    void viewsWiredApartOpenApart();
};

void TestReportLinks::findsWebAddressesAndNothingElse_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("addresses");

    QTest::newRow("http alone") << "http://example.org" << QStringList{"http://example.org"};
    QTest::newRow("https in prose") << "Read https://example.org/a?b=1&c=2#d today"
                                    << QStringList{"https://example.org/a?b=1&c=2#d"};
    QTest::newRow("www") << "at www.example.org." << QStringList{"www.example.org"};
    QTest::newRow("capitals") << "HTTP://EXAMPLE.ORG and WWW.X.ORG"
                              << QStringList{"HTTP://EXAMPLE.ORG", "WWW.X.ORG"};
    QTest::newRow("sentence punctuation")
        << "(see http://a.org/x), or http://b.org/y; or \"http://c.org\"!"
        << QStringList{"http://a.org/x", "http://b.org/y", "http://c.org"};
    QTest::newRow("balanced brackets") << "http://w.org/wiki/Libra_(astrology)"
                                       << QStringList{"http://w.org/wiki/Libra_(astrology)"};
    QTest::newRow("tabs and odd blanks separate")
        << QString::fromUtf8("http://a.org\thttp://b.org\u00a0www.c.org")
        << QStringList{"http://a.org", "http://b.org", "www.c.org"};
    QTest::newRow("angle brackets end") << "<http://a.org>" << QStringList{"http://a.org"};
    QTest::newRow("bare prefixes") << "http:// https:// www. www.." << QStringList{};
    QTest::newRow("other schemes") << "javascript:alert(1) file:///etc/passwd ftp://x.org "
                                      "mailto:a@b.org data:text/html,x"
                                   << QStringList{};
    QTest::newRow("web address inside another scheme")
        << "javascript:http://x.org file://www.x.org view-source:https://x.org" << QStringList{};
    QTest::newRow("www inside a word or host")
        << "awww.x.org mail.www.x.org a@www.x.org" << QStringList{};
    QTest::newRow("no scheme without www")
        << "example.org http:/x.org httpx://x.org" << QStringList{};
}

void TestReportLinks::findsWebAddressesAndNothingElse()
{
    QFETCH(QString, text);
    QFETCH(QStringList, addresses);
    QCOMPARE(addressesIn(text), addresses);
}

void TestReportLinks::opensOnlyWebSchemes()
{
    QCOMPARE(webAddressToOpen("http://example.org/a"), QString("http://example.org/a"));
    QCOMPARE(webAddressToOpen("HTTPS://example.org"), QString("HTTPS://example.org"));
    QCOMPARE(webAddressToOpen("www.example.org"), QString("http://www.example.org"));
    // A link cut short may end in anything an address may hold.
    QCOMPARE(webAddressToOpen("http://example.org/a."), QString("http://example.org/a."));

    const QStringList refused = {
        "",
        "javascript:alert(1)",
        "JavaScript:http://x.org",
        "file:///etc/passwd",
        "file://www.x.org",
        "ftp://x.org",
        "mailto:a@www.x.org",
        "example.org",
        "http://",
        "www.",
        " http://x.org",
        "http://x.org extra",
        "http://x.org\nfile:///etc/passwd",
    };
    for (const QString& text : refused)
        QVERIFY2(webAddressToOpen(text).isEmpty(), qPrintable(text));
}

void TestReportLinks::typedAddressBecomesALinkWithItsTextUnchanged()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;

    const QString typed = QStringLiteral("Visit www.example.org/page today");
    QTest::keyClicks(&view, typed);

    QCOMPARE(view.toPlainText(), typed);
    const int start = typed.indexOf("www.");
    const int end = typed.indexOf(" today");
    for (int i = 0; i < typed.size(); ++i) {
        const bool inside = i >= start && i < end;
        QCOMPARE(shownLinkAt(view, i), inside ? QString("www.example.org/page") : QString());
    }
    QVERIFY(platform.openedAddresses.isEmpty());
}

void TestReportLinks::editingKeepsLinksInStepWithTheText()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QTest::keyClicks(&view, QStringLiteral("go http://a.org now"));

    // Spoil the scheme: the link goes, the text stays as typed.
    QTextCursor cursor(view.document());
    cursor.setPosition(4);
    cursor.deleteChar();
    QCOMPARE(view.toPlainText(), QString("go htp://a.org now"));
    for (int i = 0; i < view.toPlainText().size(); ++i)
        QVERIFY2(shownLinkAt(view, i).isEmpty(), qPrintable(QString::number(i)));

    // Mend it, and extend the address in the middle of another paragraph.
    cursor.insertText(QStringLiteral("t"));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nsecond www.b.org"));
    cursor.setPosition(view.toPlainText().indexOf("a.org") + 5);
    cursor.insertText(QStringLiteral("/more"));
    QCOMPARE(shownLinkAt(view, 3), QString("http://a.org/more"));
    QCOMPARE(shownLinkAt(view, view.toPlainText().indexOf("/more") + 4),
             QString("http://a.org/more"));
    QVERIFY(shownLinkAt(view, view.toPlainText().indexOf(" now")).isEmpty());
    QCOMPARE(shownLinkAt(view, view.toPlainText().indexOf("www.b")), QString("www.b.org"));

    // Text pasted over the address as rich text cannot bring a foreign link with it.
    cursor.setPosition(3);
    cursor.setPosition(3 + QString("http://a.org/more").size(), QTextCursor::KeepAnchor);
    cursor.insertHtml(QStringLiteral("<a href=\"javascript:alert(1)\">click</a>"));
    QCOMPARE(view.document()->firstBlock().text(), QString("go click now"));
    pressOn(view, 4);
    QVERIFY(platform.openedAddresses.isEmpty());
}

void TestReportLinks::undoAndRedoStayAvailable()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QTest::keyClicks(&view, QStringLiteral("www.a.org"));

    view.undo();
    QVERIFY(view.document()->isRedoAvailable());
    while (view.document()->isUndoAvailable())
        view.undo();
    QCOMPARE(view.toPlainText(), QString());
    while (view.document()->isRedoAvailable())
        view.redo();
    QCOMPARE(view.toPlainText(), QString("www.a.org"));
    QCOMPARE(shownLinkAt(view, 0), QString("www.a.org"));
}

void TestReportLinks::randomEditsLeaveTheLinksAFullScanFinds()
{
    const quint32 seed = editSeed();
    qInfo("edit seed %u (replay with QVZ_FUZZ_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    // A plain view fed the same keys: undo and redo must leave the same text in both.
    auto* bare = new QTextEdit(&wired.window);
    wired.window.layout()->addWidget(bare);
    // Narrow and low, so that the text scrolls and presses must allow for it.
    wired.window.resize(240, 160);
    for (QTextEdit* each : {&view, bare}) {
        QTest::keyClicks(each, QStringLiteral("Notes: www.a.org/x and"));
        QTest::keyClick(each, Qt::Key_Return);
        QTest::keyClicks(each, QStringLiteral("(http://b.org/y) <https://c.net> end"));
    }

    for (int round = 0; round < 400; ++round) {
        randomEdit(view, *bare, random);
        QString wrong = view.toPlainText() == bare->toPlainText()
                            ? firstWrongLink(view)
                            : QStringLiteral("the text differs from the plain view's");
        if (wrong.isEmpty())
            wrong = wrongPress(view, platform);
        QVERIFY2(
            wrong.isEmpty(),
            qPrintable(QStringLiteral("seed %1, edit %2: %3").arg(seed).arg(round).arg(wrong)));
    }
}

void TestReportLinks::pressOpensTheAddressUnderIt_data()
{
    QTest::addColumn<int>("linesAbove"); // addresses of their own, scrolled out of sight
    QTest::addColumn<int>("character");  // pressed, in "go www.b.org now"
    QTest::addColumn<qreal>("along");    // where across the character
    QTest::addColumn<QString>("opened");
    QTest::newRow("first character") << 0 << 3 << 0.2 << "http://www.b.org";
    QTest::newRow("right end of the last character") << 0 << 11 << 0.8 << "http://www.b.org";
    QTest::newRow("right half of the blank before") << 0 << 2 << 0.8 << "";
    QTest::newRow("left half of the blank after") << 0 << 12 << 0.2 << "";
    QTest::newRow("scrolled to the end") << 20 << 5 << 0.2 << "http://www.b.org";
}

void TestReportLinks::pressOpensTheAddressUnderIt()
{
    QFETCH(int, linesAbove);
    QFETCH(int, character);
    QFETCH(qreal, along);
    QFETCH(QString, opened);
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    view.setFont(QFont(view.font().family(), 24)); // a blank wide enough to press either half
    for (int line = 0; line < linesAbove; ++line)
        view.insertPlainText(QStringLiteral("www.line%1.org\n").arg(line));
    const int start = view.textCursor().position();
    view.insertPlainText(QStringLiteral("go www.b.org now"));
    view.ensureCursorVisible();
    QCOMPARE(view.verticalScrollBar()->value() > 0, linesAbove > 0);
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      pointOnCharacter(view, start + character, along));
    QCOMPARE(platform.openedAddresses.join(' '), opened);
}

void TestReportLinks::leftPressOpensOnce()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QTest::keyClicks(&view, QStringLiteral("one https://a.org/x two www.b.org"));

    pressOn(view, 10);
    QCOMPARE(platform.openedAddresses, QStringList{"https://a.org/x"});
    releaseOn(view, 10);
    QCOMPARE(platform.openedAddresses.size(), 1);

    // "www." addresses are opened as web addresses; each click opens again.
    const int www = view.toPlainText().indexOf("www.");
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier, pointOnCharacter(view, www));
    QTest::mouseClick(view.viewport(), Qt::LeftButton, Qt::NoModifier,
                      pointOnCharacter(view, www + 8));
    QCOMPARE(platform.openedAddresses,
             (QStringList{"https://a.org/x", "http://www.b.org", "http://www.b.org"}));
}

void TestReportLinks::releaseAndRightButtonOpenNothing()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QTest::keyClicks(&view, QStringLiteral("http://a.org"));

    releaseOn(view, 3);
    QTest::mouseClick(view.viewport(), Qt::RightButton, Qt::NoModifier, pointOnCharacter(view, 3));
    QTest::mouseClick(view.viewport(), Qt::MiddleButton, Qt::NoModifier, pointOnCharacter(view, 3));
    QTest::mouseDClick(view.viewport(), Qt::RightButton, Qt::NoModifier, pointOnCharacter(view, 3));
    QTest::mouseMove(view.viewport(), pointOnCharacter(view, 4));
    QVERIFY(platform.openedAddresses.isEmpty());
    QVERIFY(platform.calls.isEmpty());
}

void TestReportLinks::eventsStillReachTheView()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QTest::keyClicks(&view, QStringLiteral("plain words then http://a.org/x"));

    // A press on plain text moves the caret there, and typing edits there.
    pressOn(view, 6);
    releaseOn(view, 6);
    QCOMPARE(view.textCursor().position(), 6);
    QTest::keyClick(&view, Qt::Key_X);
    QCOMPARE(view.toPlainText(), QString("plain xwords then http://a.org/x"));

    // A press on a link opens it and still places the caret, so the link can be edited.
    const int link = view.toPlainText().indexOf("a.org");
    pressOn(view, link);
    releaseOn(view, link);
    QCOMPARE(platform.openedAddresses.size(), 1);
    QCOMPARE(view.textCursor().position(), link);
    QTest::keyClick(&view, Qt::Key_Delete);
    QCOMPARE(view.toPlainText(), QString("plain xwords then http://.org/x"));

    // A drag still selects.
    QTest::mousePress(view.viewport(), Qt::LeftButton, Qt::NoModifier, pointOnCharacter(view, 0));
    QTest::mouseMove(view.viewport(), pointOnCharacter(view, 4));
    QTest::mouseRelease(view.viewport(), Qt::LeftButton, Qt::NoModifier, pointOnCharacter(view, 4));
    QVERIFY(view.textCursor().hasSelection());
}

void TestReportLinks::otherSchemesNeverOpen()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    const QString typed = QStringLiteral("javascript:alert(1) file:///etc/passwd ftp://x.org "
                                         "javascript:http://x.org");
    QTest::keyClicks(&view, typed);
    // An anchor brought in from elsewhere opens nothing either: only the text counts.
    QTextCursor cursor(view.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertHtml(QStringLiteral(" <a href=\"file:///etc/passwd\">here</a>"));
    const QString text = view.toPlainText();

    for (int i = 0; i < text.size(); ++i) {
        QVERIFY2(i >= typed.size() || shownLinkAt(view, i).isEmpty(),
                 qPrintable(QString::number(i)));
        pressOn(view, i);
        releaseOn(view, i);
    }
    QVERIFY(platform.openedAddresses.isEmpty());
}

void TestReportLinks::longAddressIsCutAt1024Characters()
{
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QString address = QStringLiteral("http://example.org/");
    while (address.size() < 5000)
        address += QChar(char16_t(u'a' + address.size() % 26));
    view.insertPlainText(address);
    view.moveCursor(QTextCursor::Start);

    QCOMPARE(shownLinkAt(view, 4999), address);
    pressOn(view, 2);
    QCOMPARE(platform.openedAddresses, QStringList{address.left(1024)});
}

void TestReportLinks::reopenedReportWindowHasWorkingLinks()
{
    FakePlatform platform;
    for (int opening = 0; opening < 2; ++opening) {
        auto* report = new frmSave(platform);
        report->setAttribute(Qt::WA_DeleteOnClose);
        QPointer<frmSave> alive(report);
        report->show();
        QVERIFY(QTest::qWaitForWindowExposed(report));
        auto* view = report->findChild<QTextEdit*>("RTB");
        QVERIFY(view);

        // The composed report itself holds no address.
        QCOMPARE(findWebAddresses(view->toPlainText()).size(), 0);
        view->moveCursor(QTextCursor::Start);
        view->insertPlainText(QStringLiteral("www.opening%1.org\n").arg(opening));
        pressOn(*view, 1);
        QCOMPARE(platform.openedAddresses.size(), opening + 1);
        QCOMPARE(platform.openedAddresses.last(),
                 QStringLiteral("http://www.opening%1.org").arg(opening));
        releaseOn(*view, 1);

        platform.messageAnswers << MessageAnswer::Discard; // the typed address is not kept
        report->close();
        QTRY_VERIFY(alive.isNull());
    }
}

void TestReportLinks::viewsWiredApartOpenApart()
{
    FakePlatform firstPlatform;
    FakePlatform secondPlatform;
    WiredView first(firstPlatform);
    WiredView second(secondPlatform);
    QTest::keyClicks(first.view, QStringLiteral("www.first.org"));
    QTest::keyClicks(second.view, QStringLiteral("www.second.org"));

    pressOn(*first.view, 5);
    pressOn(*second.view, 5);
    QCOMPARE(firstPlatform.openedAddresses, QStringList{"http://www.first.org"});
    QCOMPARE(secondPlatform.openedAddresses, QStringList{"http://www.second.org"});
}

QTEST_MAIN(TestReportLinks)
#include "tst_reportlinks.moc"
