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

QTextCharFormat formatAt(const QTextEdit& view, int position)
{
    // A cursor's format is that of the character before it.
    QTextCursor cursor(view.document());
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

// Viewport point on the character at the position, in its first half so that a press
// there also puts the caret in front of it.
QPoint pointOnCharacter(const QTextEdit& view, int position)
{
    QTextCursor cursor(view.document());
    cursor.setPosition(position);
    const QRect before = view.cursorRect(cursor);
    cursor.setPosition(position + 1);
    const QRect after = view.cursorRect(cursor);
    return QPoint(before.left() + (after.left() - before.left()) / 3, before.center().y());
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

// One edit as a user makes it: typing or pasting a piece, deleting a stretch that may
// cross paragraphs, or stepping back and forth in the history.
void randomEdit(QTextEdit& view, QRandomGenerator& random)
{
    QTextCursor cursor(view.document());
    const int end = view.document()->characterCount() - 1;
    cursor.setPosition(random.bounded(end + 1));
    switch (random.bounded(10)) {
    case 0:
        view.undo();
        break;
    case 1:
        view.redo();
        break;
    case 2:
    case 3:
    case 4:
        cursor.setPosition(qMin(end, cursor.position() + random.bounded(30)),
                           QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        break;
    default:
        cursor.insertText(randomPiece(random));
    }
}

// The first place where the view's links differ from a scan of each paragraph as a whole.
QString firstWrongLink(const QTextDocument& document)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        QStringList wanted(text.size());
        for (const AddressSpan& span : findWebAddresses(text)) {
            for (int i = span.start; i < span.start + span.length; ++i)
                wanted[i] = spanText(text, span);
        }
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextFragment fragment = it.fragment();
            const QTextCharFormat format = fragment.charFormat();
            const QString link = format.isAnchor() ? format.anchorHref() : QString();
            for (int i = 0; i < fragment.length(); ++i) {
                const int at = fragment.position() - block.position() + i;
                if (link != wanted.at(at) || format.fontUnderline() != !link.isEmpty())
                    return QStringLiteral("at %1 of \"%2\": link \"%3\", wanted \"%4\"")
                        .arg(at)
                        .arg(text, link, wanted.at(at));
            }
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
    void leftPressOpensOnce();
    void releaseAndRightButtonOpenNothing();
    void eventsStillReachTheView();
    void otherSchemesNeverOpen();
    void longAddressIsCutAt1024Characters();
    void reopenedReportWindowHasWorkingLinks();
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
        const QTextCharFormat format = formatAt(view, i);
        const bool inside = i >= start && i < end;
        QVERIFY2(format.isAnchor() == inside, qPrintable(QString::number(i)));
        QCOMPARE(format.anchorHref(), inside ? QString("www.example.org/page") : QString());
        QCOMPARE(format.fontUnderline(), inside);
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
        QVERIFY2(!formatAt(view, i).isAnchor() && !formatAt(view, i).fontUnderline(),
                 qPrintable(QString::number(i)));

    // Mend it, and extend the address in the middle of another paragraph.
    cursor.insertText(QStringLiteral("t"));
    cursor.movePosition(QTextCursor::End);
    cursor.insertText(QStringLiteral("\nsecond www.b.org"));
    cursor.setPosition(view.toPlainText().indexOf("a.org") + 5);
    cursor.insertText(QStringLiteral("/more"));
    QCOMPARE(formatAt(view, 3).anchorHref(), QString("http://a.org/more"));
    QCOMPARE(formatAt(view, view.toPlainText().indexOf("/more") + 4).anchorHref(),
             QString("http://a.org/more"));
    QVERIFY(!formatAt(view, view.toPlainText().indexOf(" now")).isAnchor());
    QCOMPARE(formatAt(view, view.toPlainText().indexOf("www.b")).anchorHref(),
             QString("www.b.org"));

    // Text pasted over the address as rich text cannot bring a foreign link with it.
    cursor.setPosition(3);
    cursor.setPosition(3 + QString("http://a.org/more").size(), QTextCursor::KeepAnchor);
    cursor.insertHtml(QStringLiteral("<a href=\"javascript:alert(1)\">click</a>"));
    QCOMPARE(view.document()->firstBlock().text(), QString("go click now"));
    QVERIFY(!formatAt(view, 4).isAnchor());
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
    QCOMPARE(formatAt(view, 0).anchorHref(), QString("www.a.org"));
}

void TestReportLinks::randomEditsLeaveTheLinksAFullScanFinds()
{
    const quint32 seed = editSeed();
    qInfo("edit seed %u (replay with QVZ_FUZZ_SEED=%u)", seed, seed);
    QRandomGenerator random(seed);
    FakePlatform platform;
    WiredView wired(platform);
    QTextEdit& view = *wired.view;
    QTest::keyClicks(&view, QStringLiteral("Notes: www.a.org/x and"));
    QTest::keyClick(&view, Qt::Key_Return);
    QTest::keyClicks(&view, QStringLiteral("(http://b.org/y) <https://c.net> end"));

    for (int round = 0; round < 400; ++round) {
        randomEdit(view, random);
        // Between the two steps that undo an edit and its marking the links lag the text,
        // as they did before the marking; every state with nothing to redo is checked.
        if (view.document()->isRedoAvailable())
            continue;
        const QString wrong = firstWrongLink(*view.document());
        QVERIFY2(
            wrong.isEmpty(),
            qPrintable(QStringLiteral("seed %1, edit %2: %3").arg(seed).arg(round).arg(wrong)));
    }
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
    // An anchor brought in from elsewhere is no link of the view's either.
    QTextCursor cursor(view.document());
    cursor.movePosition(QTextCursor::End);
    cursor.insertHtml(QStringLiteral(" <a href=\"file:///etc/passwd\">here</a>"));
    const QString text = view.toPlainText();

    for (int i = 0; i < text.size(); ++i) {
        QVERIFY2(!formatAt(view, i).isAnchor(), qPrintable(QString::number(i)));
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

    QCOMPARE(formatAt(view, 4999).anchorHref(), address);
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

        report->close();
        QTRY_VERIFY(alive.isNull());
    }
}

QTEST_MAIN(TestReportLinks)
#include "tst_reportlinks.moc"
