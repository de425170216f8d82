// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "support/Controls.h"
#include "support/ExpectedReport.h"
#include "support/FakePlatform.h"
#include "support/ProgramWindows.h"
#include "ui/main/frmMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDebug>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QStyleHints>
#include <QTest>
#include <QToolTip>
#include <algorithm>

using namespace qvz;

namespace {

struct Hint {
    const char* label;
    const char* caption;
    const char* hint;
};

const Hint kHints[] = {
    {"Label5", "Zodiac Quality", "This signifies the attitude of the people under this sign."},
    {"Label4", "Zodiac Element", "This describes the human characteristics of this sign."},
    {"Label3", "Zodiac Symbol", "This signifies the symbol that represents this sign."},
    {"Label2", "Birth Dates", "This gives the date period for this sun sign."},
    {"Label6", "Domicile Planet",
     "This signifies the planet that exercises a powerful energy on the sign."},
    {"Label7", "Detriment Planet", "This signifies the planet that is unfavorable for this sign."},
    {"Label8", "Exaltation Planet",
     "This signifies the planet that interacts well with this sign."},
    {"Label9", "Birth Stone",
     "This signifies the birth gemstones for people born under this sign."},
    {"Label10", "Lucky Colors", "This signifies the lucky colors for people born under this sign."},
    {"Label11", "Lucky Numbers",
     "This signifies the lucky numbers for people born under this sign."},
    {"Label12", "Lucky Day", "This signifies the lucky days for people born under this sign."},
    {"Label13", "Lucky Gemstones",
     "This signifies the lucky gemstones for people born under this sign."},
    {"Label14", "Lucky Metals",
     "This signifies the lucky metals to be used for people born under this sign."},
    {"Label20", "The Libra Mother", "This tells us more about the person as a mother."},
    {"Label21", "The Libra Father", "This tells us more about the person as a father."},
    {"Label22", "The Libra Child", "This tells us more about the person as a child."},
};

// Links and the link-like offers, as the user sees them on the window's grey.
const QColor kLinkBlue(0x00, 0x00, 0xFF);

// The text boxes directly inside a parent, read from the top left.
QList<QWidget*> boxesIn(const QWidget* parent)
{
    QList<QWidget*> boxes;
    for (QWidget* w : parent->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w))
            boxes << w;
    }
    std::sort(boxes.begin(), boxes.end(), [](const QWidget* one, const QWidget* other) {
        return std::pair(one->y(), one->x()) < std::pair(other->y(), other->x());
    });
    return boxes;
}

// Every row once, from both ends inwards, so that a panel cannot come forward merely by
// following its neighbour.
QList<int> rowsOutOfOrder(int count)
{
    QList<int> rows;
    for (int i = 0; i < count; ++i)
        rows << (i % 2 == 0 ? count - 1 - i / 2 : i / 2);
    return rows;
}

// What a text box shows: line breaks of the profile read back as plain new lines.
QString shownText(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return qobject_cast<QPlainTextEdit*>(box)->toPlainText();
}

QString asShown(const QString& field)
{
    QString text = field;
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
}

// Text dragged from elsewhere and let go over the middle of the box.
void dropText(QWidget* box, const QString& text)
{
    auto* area = qobject_cast<QAbstractScrollArea*>(box);
    QWidget* target = area ? area->viewport() : box;
    QMimeData data;
    data.setText(text);
    const QPointF point = target->rect().center();
    QDragEnterEvent enter(point.toPoint(), Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &enter);
    QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(target, &drop);
}

// The columns and rows in which two pictures of the same size differ.
QRect changedArea(const QImage& one, const QImage& other)
{
    QRect area;
    for (int y = 0; y < one.height(); ++y) {
        for (int x = 0; x < one.width(); ++x) {
            if (one.pixel(x, y) != other.pixel(x, y))
                area |= QRect(x, y, 1, 1);
        }
    }
    return area;
}

// What assistive tools are told of a window: each shown node with its role, texts, state
// and place in the window, depth first.
void describeAccessibly(QAccessibleInterface* node, const QPoint& origin, QStringList& nodes,
                        int depth = 0)
{
    const QAccessible::State state = node->state();
    if (state.invisible)
        return;
    QString line;
    QDebug(&line) << depth << node->role() << node->text(QAccessible::Name)
                  << node->text(QAccessible::Description) << node->text(QAccessible::Value)
                  << state.focusable << state.focused << state.selected
                  << node->rect().translated(-origin);
    nodes << line;
    for (int i = 0; i < node->childCount(); ++i)
        describeAccessibly(node->child(i), origin, nodes, depth + 1);
}

// The window as a screen reader is told it and as its user sees it, active with the focus
// in its topic list. Empty when the window cannot be made active.
QStringList seenOf(QWidget* window, QImage& picture)
{
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        return {};
    child<QListWidget>(*window, "lstOptions")->setFocus();
    QCoreApplication::processEvents();
    QStringList tree;
    describeAccessibly(QAccessible::queryAccessibleInterface(window), window->mapToGlobal(QPoint()),
                       tree);
    picture = window->grab().toImage();
    return tree;
}

} // namespace

class tst_frmMain : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void opensOnTheFirstTopicWithEveryBoxFilled();
    void isAFixedCentredWindowWithoutMinimiseOrMaximise();
    void placesTheMainControlsAtTheirPixelRectangles();
    void showsThePictureInASunkenBoxOfItsOwnSize();
    void clickingAnEntryBringsItsPanelForward();
    void everyKeyboardWayOfChoosingSwitchesPanels();
    void panelTitlesAloneAreBold();
    void boxesRefuseTypingAndPastingButCopy();
    void everyBoxShowsItsCaretWhileFocused();
    void caretBlinksAtHalfTheFlashTimeAndShowsAtOnceWhenMoved();
    void longTextsWrapAndKeepTheirScrollPositionAndSelection();
    void captionLabelsShowHintsAndBoxesNone();
    void linkTextsAndKeyFactsShowAsLaidOut();
    void helpMenuEntriesOpenTheirPagesOncePerClick();
    void helpMenuHasItsEntriesInOrderWithoutShortcuts();
    void donateActsAtOnceWithoutDropDown();
    void linkLabelsOpenTheirPagesOncePerClick();
    void promotionalClickReachesOnlyTheLabelInFront();
    void updateLinksReactOnlyWhileTheirPanelIsInFront();
    void panelsBuiltWhenFirstChosenLookAsIfBuiltAtOnce();
    void leavesTheDesktopFontsAsTheyWere();

private:
    QWidget* client() const { return window_->centralWidget(); }
    QRect panelRect() const;
    QString frontPanelAt(const QPoint& clientPoint) const;
    QString frontPanel() const;
    QGroupBox* panelTitled(const QString& title) const;
    QImage panelView() const;
    QImage panelViewAlone();
    QWidget* widgetAt(const QPoint& clientPoint) const;
    void clickAt(const QPoint& clientPoint);
    void clickWidget(QWidget* widget);
    void chooseEntry(int position);
    void chooseTopic(const QString& title);
    void chooseEveryTopic();
    QList<QPair<int, QWidget*>> everyBox();
    QMenu* openHelpMenu();

    FakePlatform* platform_ = nullptr;
    frmMain* window_ = nullptr;
    QListWidget* list_ = nullptr;
};

void tst_frmMain::init()
{
    platform_ = new FakePlatform;
    window_ = new frmMain(*platform_);
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_));
    QApplication::setActiveWindow(window_);
    QVERIFY(QTest::qWaitForWindowActive(window_));
    list_ = child<QListWidget>(*window_, "lstOptions");
}

void tst_frmMain::cleanup()
{
    QApplication::clipboard()->clear();
    delete window_;
    delete platform_;
    window_ = nullptr;
    platform_ = nullptr;
}

QRect tst_frmMain::panelRect() const
{
    return QRect(168, 132, 400, 247);
}

// The window system's view: the deepest control under a point of the client area.
QWidget* tst_frmMain::widgetAt(const QPoint& clientPoint) const
{
    return client()->childAt(clientPoint);
}

// The title of the topic panel that the user sees at a point of the client area.
QString tst_frmMain::frontPanelAt(const QPoint& clientPoint) const
{
    for (QWidget* w = widgetAt(clientPoint); w && w != client(); w = w->parentWidget()) {
        if (auto* panel = qobject_cast<QGroupBox*>(w); panel && w->parentWidget() == client())
            return panel->title();
    }
    return QString();
}

QGroupBox* tst_frmMain::panelTitled(const QString& title) const
{
    for (auto* panel : client()->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (panel->title() == title)
            return panel;
    }
    return nullptr;
}

// The panel seen at the centre of the panel rectangle, after checking that the same
// panel is seen everywhere in it, so that no box of another panel shows through.
QString tst_frmMain::frontPanel() const
{
    const QRect area = panelRect();
    const QString atCentre = frontPanelAt(area.center());
    for (int x = area.left() + 2; x < area.right(); x += 23) {
        for (int y = area.top() + 2; y < area.bottom(); y += 19) {
            if (frontPanelAt(QPoint(x, y)) != atCentre)
                return QStringLiteral("mixed: %1 and %2 at %3,%4")
                    .arg(atCentre, frontPanelAt(QPoint(x, y)))
                    .arg(x)
                    .arg(y);
        }
    }
    return atCentre;
}

QImage tst_frmMain::panelView() const
{
    return window_->grab(QRect(client()->mapTo(window_, panelRect().topLeft()), panelRect().size()))
        .toImage();
}

// What the panel area would show if the panel in front were the only one there.
QImage tst_frmMain::panelViewAlone()
{
    const QString front = frontPanel();
    QList<QWidget*> hidden;
    for (auto* panel : client()->findChildren<QGroupBox*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (panel->isVisible() && panel->geometry() == panelRect() && panel->title() != front)
            hidden << panel;
    }
    for (QWidget* panel : hidden)
        panel->hide();
    const QImage view = panelView();
    for (QWidget* panel : hidden)
        panel->show();
    return view;
}

// A click delivered through the window, so the window decides which control gets it.
void tst_frmMain::clickAt(const QPoint& clientPoint)
{
    QTest::mouseClick(window_->windowHandle(), Qt::LeftButton, {},
                      client()->mapTo(window_, clientPoint));
}

void tst_frmMain::clickWidget(QWidget* widget)
{
    clickAt(widget->mapTo(client(), widget->rect().center()));
}

void tst_frmMain::chooseEntry(int position)
{
    QListWidgetItem* item = list_->item(position);
    list_->scrollToItem(item);
    QTest::mouseClick(list_->viewport(), Qt::LeftButton, {}, list_->visualItemRect(item).center());
}

void tst_frmMain::chooseTopic(const QString& title)
{
    const QList<QListWidgetItem*> items = list_->findItems(title, Qt::MatchExactly);
    if (items.size() != 1)
        QTest::qFail(qPrintable("no topic " + title), __FILE__, __LINE__);
    else
        chooseEntry(list_->row(items.first()));
}

// Each panel is built when its topic is first chosen; this builds them all and returns
// to the first topic.
void tst_frmMain::chooseEveryTopic()
{
    for (int position = list_->count() - 1; position >= 0; --position)
        list_->setCurrentRow(position);
}

// Every text box with the row of the topic that shows it, -1 for the key facts above the
// panels; every panel is built.
QList<QPair<int, QWidget*>> tst_frmMain::everyBox()
{
    chooseEveryTopic();
    QList<QPair<int, QWidget*>> boxes;
    for (QWidget* box : boxesIn(client()))
        boxes.append({-1, box});
    for (int row = 0; row < list_->count(); ++row) {
        if (QGroupBox* panel = panelTitled(list_->item(row)->text())) {
            for (QWidget* box : boxesIn(panel))
                boxes.append({row, box});
        }
    }
    return boxes;
}

QMenu* tst_frmMain::openHelpMenu()
{
    QMenuBar* bar = window_->menuBar();
    QAction* helpAction = bar->actions().value(0);
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(helpAction).center());
    QMenu* menu = helpAction->menu();
    if (!QTest::qWaitFor([menu] { return menu->isVisible(); }))
        return nullptr;
    return menu;
}

// The list holds the topics with a section in the reviewed report, then Update.
void tst_frmMain::opensOnTheFirstTopicWithEveryBoxFilled()
{
    QStringList entries;
    for (int row = 0; row < list_->count(); ++row)
        entries << list_->item(row)->text();
    QCOMPARE(entries, expectedHeadings() << QStringLiteral("Update"));
    QCOMPARE(list_->currentRow(), 0);
    QCOMPARE(list_->selectedItems().size(), 1);
    QCOMPARE(frontPanel(), QStringLiteral("Planets Associated"));

    // Each box shows what the report shows under its caption: the key facts and the first
    // panel at once, every other panel when its topic is first chosen. A panel of several
    // boxes shows the section's lines from the top, each without its label up to ": ".
    for (const ReportSection& section : expectedSections()) {
        QStringList shown;
        if (section.heading.isEmpty()) {
            for (QWidget* box : boxesIn(client()))
                shown << box->accessibleName() + QLatin1String(": ") + shownText(box);
            shown.sort();
            QStringList lines = section.text.split(QLatin1String("\r\n"));
            lines.sort();
            QCOMPARE(shown, lines);
            continue;
        }
        chooseTopic(section.heading);
        QCOMPARE(frontPanel(), section.heading);
        const QList<QWidget*> boxes = boxesIn(panelTitled(section.heading));
        QStringList expected = {section.text};
        if (boxes.size() > 1) {
            expected = section.text.split(QLatin1String("\r\n"));
            for (QString& line : expected)
                line = line.section(QLatin1String(": "), 1);
        }
        for (QWidget* box : boxes)
            shown << shownText(box);
        QCOMPARE(shown.join('|'), asShown(expected.join('|')));
    }
}

void tst_frmMain::isAFixedCentredWindowWithoutMinimiseOrMaximise()
{
    QCOMPARE(window_->windowTitle(), QStringLiteral(QVZ_APP_NAME " v" QVZ_VERSION));
    QVERIFY(!window_->windowIcon().isNull());
    QCOMPARE(client()->size(), QSize(571, 456));
    QCOMPARE(client()->y(), window_->menuBar()->geometry().bottom() + 1);
    QCOMPARE(window_->minimumSize(), window_->maximumSize());
    QCOMPARE(window_->height(), window_->menuBar()->height() + 456);

    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags & Qt::WindowCloseButtonHint);
    QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
    QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));

    const QPoint screenCentre = window_->screen()->availableGeometry().center();
    const QPoint offset = window_->frameGeometry().center() - screenCentre;
    QVERIFY2(offset.manhattanLength() <= 2,
             qPrintable(QStringLiteral("off centre by %1,%2").arg(offset.x()).arg(offset.y())));

    const QFont font = list_->font();
    QCOMPARE(font.family(), QStringLiteral("Verdana"));
    QCOMPARE(font.pointSizeF(), 8.25);
    QVERIFY(!font.bold());
    // The window writes only characters its font has, so no fallback fonts are looked for.
    QVERIFY(font.styleStrategy() & QFont::NoFontMerging);
}

void tst_frmMain::placesTheMainControlsAtTheirPixelRectangles()
{
    const struct {
        const char* name;
        QRect rect; // a width of 0: as wide as its text
        bool severalLines = false;
    } places[] = {
        {"lstOptions", QRect(8, 263, 153, 145)},
        {"cmdSave", QRect(8, 414, 153, 25)},
        {"txtZodiacElement", QRect(378, 72, 154, 19)},
        {"fraFullBrand", QRect(168, 380, 400, 73)},
        {"txtMother", QRect(16, 40, 369, 50), true},
        {"txtChild", QRect(16, 184, 369, 50), true},
        {"txtGeneralTraits", QRect(16, 24, 367, 210), true},
        {"txtNegativeTraits", QRect(16, 24, 367, 207), true},
        {"txtLuckyMetals", QRect(120, 176, 265, 19)},
        {"Label8", QRect(16, 147, 0, 13)},
        {"Label14", QRect(8, 179, 0, 13)},
        {"lblForum", QRect(8, 128, 137, 26)}, // grown by a pixel to its two lines
    };
    chooseEveryTopic();
    for (const auto& place : places) {
        QWidget* control = child<QWidget>(*window_, place.name);
        QRect seen = control->geometry();
        if (place.rect.width() == 0)
            seen.setWidth(0);
        QCOMPARE(seen, place.rect);
        QCOMPARE(qobject_cast<QPlainTextEdit*>(control) != nullptr, place.severalLines);
    }
    for (int row = 0; row < list_->count(); ++row) {
        const QGroupBox* panel = panelTitled(list_->item(row)->text());
        QVERIFY2(panel, qPrintable(list_->item(row)->text()));
        QCOMPARE(panel->geometry(), panelRect());
    }

    // Caption labels stand just above the left end of their box, one line high.
    const char* const pairs[][2] = {{"Label5", "txtZodiacQuality"},
                                    {"Label4", "txtZodiacElement"},
                                    {"Label3", "txtZodiacSymbol"},
                                    {"Label2", "txtBirthDates"}};
    for (const auto& pair : pairs) {
        const QRect label = child<QWidget>(*window_, pair[0])->geometry();
        const QRect box = child<QWidget>(*window_, pair[1])->geometry();
        QCOMPARE(label.height(), 13);
        QVERIFY(label.bottom() < box.top());
        QVERIFY(box.top() - label.bottom() <= 15);
        QVERIFY(qAbs(label.left() - box.left()) <= 2);
    }
}

void tst_frmMain::showsThePictureInASunkenBoxOfItsOwnSize()
{
    auto* picture = child<QLabel>(*window_, "picZodiac");
    QCOMPARE(picture->pixmap().size(), QSize(150, 244));
    QCOMPARE(picture->frameShadow(), QFrame::Sunken);
    QVERIFY(picture->frameWidth() > 0);
    const int border = 2 * picture->frameWidth();
    QCOMPARE(picture->size(), QSize(150 + border, 244 + border));
}

void tst_frmMain::clickingAnEntryBringsItsPanelForward()
{
    const char* const facts[] = {"txtZodiacQuality", "txtZodiacElement", "txtZodiacSymbol",
                                 "txtBirthDates"};
    const QList<int> rows = rowsOutOfOrder(list_->count()) << 0;
    for (int row : rows) {
        chooseEntry(row);
        QCOMPARE(list_->currentRow(), row);
        QCOMPARE(frontPanel(), list_->item(row)->text());
        // The key facts above the panels stay in sight whatever the topic.
        for (const char* name : facts) {
            auto* box = child<QLineEdit>(*window_, name);
            QCOMPARE(widgetAt(box->geometry().center()), box);
        }
    }
    // Nothing of the panels behind shows through the one in front.
    for (const char* title :
         {"Planets Associated", "Compatibility Traits", "Libra As Family", "Update"}) {
        chooseTopic(title);
        QVERIFY2(panelView() == panelViewAlone(), title);
    }
    // Choosing the entry that is already chosen keeps its panel in front.
    chooseTopic("Common Profession");
    chooseTopic("Common Profession");
    QCOMPARE(frontPanel(), QStringLiteral("Common Profession"));
}

void tst_frmMain::everyKeyboardWayOfChoosingSwitchesPanels()
{
    list_->setFocus();
    QTRY_VERIFY(list_->hasFocus());
    const auto panelOfCurrentRow = [this] { return list_->currentItem()->text(); };

    QTest::keyClick(list_, Qt::Key_Down);
    QCOMPARE(list_->currentRow(), 1);
    QCOMPARE(frontPanel(), QStringLiteral("Lucky Charm"));
    QTest::keyClick(list_, Qt::Key_End);
    QCOMPARE(frontPanel(), QStringLiteral("Update"));
    QTest::keyClick(list_, Qt::Key_Up);
    QCOMPARE(list_->currentRow(), list_->count() - 2);
    QCOMPARE(frontPanel(), panelOfCurrentRow());
    QTest::keyClick(list_, Qt::Key_Home);
    QCOMPARE(frontPanel(), QStringLiteral("Planets Associated"));

    QTest::keyClick(list_, Qt::Key_PageDown);
    QVERIFY(list_->currentRow() > 1);
    QCOMPARE(frontPanel(), panelOfCurrentRow());
    QTest::keyClick(list_, Qt::Key_PageUp);
    QCOMPARE(list_->currentRow(), 0);
    QCOMPARE(frontPanel(), QStringLiteral("Planets Associated"));

    // Typing a first letter jumps to the next entry that starts with it.
    const int pause = QApplication::keyboardInputInterval() + 100;
    const struct {
        char letter;
        const char* panel;
    } jumps[] = {{'h', "Health Concern"},   {'u', "Update"},           {'f', "Friendship Traits"},
                 {'f', "Financial Habits"}, {'l', "Love And Romance"}, {'l', "Lucky Charm"},
                 {'l', "Libra As Family"}};
    for (const auto& jump : jumps) {
        QTest::qWait(pause);
        QTest::keyClicks(list_, QString(QLatin1Char(jump.letter)));
        QCOMPARE(frontPanel(), QLatin1String(jump.panel));
    }
}

void tst_frmMain::panelTitlesAloneAreBold()
{
    chooseEveryTopic();
    for (int row = 0; row < list_->count(); ++row) {
        const QGroupBox* panel = panelTitled(list_->item(row)->text());
        QVERIFY2(panel, qPrintable(list_->item(row)->text()));
        QVERIFY(panel->font().bold());
        QCOMPARE(panel->font().pointSizeF(), 8.25);
        const auto inner = panel->findChildren<QWidget*>();
        for (QWidget* w : inner)
            QVERIFY2(!w->font().bold(), qPrintable(w->objectName()));
    }
    QVERIFY(!child<QGroupBox>(*window_, "Frame18")->font().bold());
    // The names assistive tools know the panels by.
    QCOMPARE(child<QGroupBox>(*window_, "Frame1")->title(), QStringLiteral("Planets Associated"));
    QCOMPARE(child<QGroupBox>(*window_, "Frame7")->title(), QStringLiteral("Compatibility Traits"));
}

void tst_frmMain::boxesRefuseTypingAndPastingButCopy()
{
    QClipboard* clipboard = QApplication::clipboard();
    for (const auto& [row, box] : everyBox()) {
        if (row >= 0)
            chooseEntry(row);
        const QByteArray name = box->objectName().toLatin1();
        const QString before = shownText(box);
        clickWidget(box);
        QTRY_VERIFY(box->hasFocus());

        clipboard->setText(QStringLiteral("PASTED"));
        QTest::keyClicks(box, QStringLiteral("typed"));
        QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Backspace);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClick(box, Qt::Key_Return);
        QTest::keyClick(box, Qt::Key_X, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
        dropText(box, QStringLiteral("DROPPED"));
        QVERIFY2(shownText(box) == before, name);

        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        QVERIFY2(clipboard->text() == before, name);
    }

    // A part of a text is selected with the keyboard alone and copied.
    chooseTopic("General Traits");
    auto* traits = child<QPlainTextEdit>(*window_, "txtGeneralTraits");
    clickWidget(traits);
    QTest::keyClick(traits, Qt::Key_Home, Qt::ControlModifier);
    for (int i = 0; i < 5; ++i)
        QTest::keyClick(traits, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(traits, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(clipboard->text(), traits->toPlainText().left(5));
    QVERIFY(traits->cursorWidth() > 0);
}

// A focused box differs from the same box without the focus by one upright line: the
// caret, a line of text high.
void tst_frmMain::everyBoxShowsItsCaretWhileFocused()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    const auto restore = qScopeGuard(
        [hints, flashTime = hints->cursorFlashTime()] { hints->setCursorFlashTime(flashTime); });
    hints->setCursorFlashTime(0); // steady, so that every picture of a focused box has it
    for (const auto& [row, box] : everyBox()) {
        if (row >= 0)
            chooseEntry(row);
        const QByteArray name = box->objectName().toLatin1();
        clickWidget(box);
        QTRY_VERIFY(box->hasFocus());
        const QImage focused = box->grab().toImage();
        list_->setFocus();
        QTRY_VERIFY(!box->hasFocus());
        const QRect caret = changedArea(focused, box->grab().toImage());
        QVERIFY2(caret.width() >= 1 && caret.width() <= 2, name);
        QVERIFY2(caret.height() >= box->fontMetrics().height() - 2, name);
        // A line box draws its own caret: where the box says its caret is, within a pixel.
        const QRectF said = box->inputMethodQuery(Qt::ImCursorRectangle).toRectF();
        const qreal drawnAt = caret.left() + caret.width() / 2.0;
        QVERIFY2(!qobject_cast<QLineEdit*>(box) || qAbs(drawnAt - said.center().x()) <= 1.0, name);
    }
}

// A read-only box's caret blinks as a text box's does, at half the desktop's flash time
// each way, and a key that moves it shows it at once, whatever the phase.
void tst_frmMain::caretBlinksAtHalfTheFlashTimeAndShowsAtOnceWhenMoved()
{
    QStyleHints* hints = QGuiApplication::styleHints();
    const auto restore = qScopeGuard(
        [hints, flashTime = hints->cursorFlashTime()] { hints->setCursorFlashTime(flashTime); });
    hints->setCursorFlashTime(1200);
    auto* box = child<QLineEdit>(*window_, "txtBirthDates");
    const QImage withoutCaret = box->grab().toImage();
    const auto caretShown = [box, &withoutCaret] { return box->grab().toImage() != withoutCaret; };
    clickWidget(box);
    QTRY_VERIFY(box->hasFocus());

    QElapsedTimer clock;
    clock.start();
    QList<qint64> turns;
    for (bool shown = caretShown(); turns.size() < 3 && clock.elapsed() < 5000;) {
        QTest::qWait(10);
        if (caretShown() != shown) {
            shown = !shown;
            turns << clock.elapsed();
        }
    }
    QCOMPARE(turns.size(), 3);
    const qint64 interval = (turns.at(2) - turns.at(0)) / 2;
    QVERIFY2(interval > 400 && interval < 900, qPrintable(QString::number(interval)));

    QTest::keyClick(box, Qt::Key_Home);
    QTRY_VERIFY(!caretShown());
    QTest::keyClick(box, Qt::Key_End);
    QVERIFY(caretShown());
}

void tst_frmMain::longTextsWrapAndKeepTheirScrollPositionAndSelection()
{
    chooseTopic("General Traits");
    auto* traits = child<QPlainTextEdit>(*window_, "txtGeneralTraits");
    QScrollBar* bar = traits->verticalScrollBar();
    QVERIFY(bar->isVisible());
    QVERIFY2(bar->maximum() > 0, "the general traits are too short to scroll");
    QCOMPARE(traits->horizontalScrollBar()->maximum(), 0);

    clickWidget(traits);
    QTest::keyClick(traits, Qt::Key_PageDown);
    QTest::keyClick(traits, Qt::Key_PageDown);
    QTest::keyClick(traits, Qt::Key_Down, Qt::ShiftModifier);
    const int scrolled = bar->value();
    const QString selected = traits->textCursor().selectedText();
    QVERIFY(scrolled > 0);
    QVERIFY(!selected.isEmpty());

    chooseTopic("Friendship Traits");
    chooseTopic("Update");
    chooseTopic("General Traits");
    QCOMPARE(frontPanel(), QStringLiteral("General Traits"));
    QCOMPARE(bar->value(), scrolled);
    QCOMPARE(traits->textCursor().selectedText(), selected);
}

void tst_frmMain::captionLabelsShowHintsAndBoxesNone()
{
    chooseEveryTopic();
    for (const Hint& hint : kHints) {
        auto* label = child<QLabel>(*window_, hint.label);
        if (auto* panel = qobject_cast<QGroupBox*>(label->parentWidget()))
            chooseTopic(panel->title()); // the panel that holds it in front
        QCOMPARE(label->text(), QLatin1String(hint.caption));
        QToolTip::hideText();
        QTRY_VERIFY(!QToolTip::isVisible());
        const QPoint local = label->rect().center();
        QHelpEvent event(QEvent::ToolTip, local, label->mapToGlobal(local));
        QApplication::sendEvent(label, &event);
        QTRY_VERIFY2(QToolTip::isVisible(), hint.label);
        QCOMPARE(QToolTip::text(), QLatin1String(hint.hint));
    }
    for (const auto& [row, box] : everyBox())
        QVERIFY2(box->toolTip().isEmpty(), qPrintable(box->objectName()));
}

// Whether labels fit their text is checked for every window at two scales elsewhere;
// here what that check does not see: the line count of the two link texts and whether
// the key facts' boxes have to scroll.
void tst_frmMain::linkTextsAndKeyFactsShowAsLaidOut()
{
    chooseTopic("Update");
    for (const char* name : {"lblForum", "lblDaily"}) {
        auto* label = child<QLabel>(*window_, name);
        const int lines =
            label->heightForWidth(label->width()) / label->fontMetrics().lineSpacing();
        QVERIFY2(lines == 2, name);
    }
    // The key facts show whole in their boxes: taking the caret to the end of the text
    // moves it by the full width of the text, so the box did not have to scroll.
    for (const char* name :
         {"txtZodiacQuality", "txtZodiacElement", "txtZodiacSymbol", "txtBirthDates"}) {
        auto* box = child<QLineEdit>(*window_, name);
        const auto caret = [box] {
            return box->inputMethodQuery(Qt::ImCursorRectangle).toRect().left();
        };
        box->home(false);
        box->repaint(); // the box scrolls its text when it paints
        const int start = caret();
        box->end(false);
        box->repaint();
        const int travel = caret() - start;
        box->home(false);
#ifdef Q_OS_WIN
        // Windows advances each letter by whole pixels: the dates then need 155 pixels in
        // DejaVu Sans and about 157 in Verdana, more than the designed box holds.
        if (qstrcmp(name, "txtBirthDates") == 0)
            QEXPECT_FAIL("", "the designed box is too narrow for whole-pixel advances", Continue);
#endif
        QVERIFY2(qAbs(travel - box->fontMetrics().horizontalAdvance(box->text())) <= 1, name);
        // The thin frame is the box's own drawing, in the shadow colour, not a style sheet's.
        const QImage shot = box->grab().toImage();
        QVERIFY2(box->styleSheet().isEmpty(), name);
        QCOMPARE(shot.pixelColor(0, shot.height() / 2), box->palette().color(QPalette::Shadow));
    }

    QCOMPARE(child<QLabel>(*window_, "lblForum")->text(),
             QStringLiteral("Visit Libra Discussion    Forum Now"));
    QCOMPARE(child<QLabel>(*window_, "lblDaily")->text(),
             QStringLiteral("Click Here to see Daily Libra Horoscope"));
    // The banner and the astrology link end with the address of the site, exactly as it
    // is typed, in what is shown, read out and copied.
    QVERIFY(child<QLabel>(*window_, "Label61")->text().endsWith(siteHost()));
    const auto* astrology = child<QLabel>(*window_, "lblAstrology");
    QVERIFY(astrology->text().endsWith(QLatin1Char(' ') + siteHost()));
    QCOMPARE(astrology->accessibleName(), astrology->text());
}

void tst_frmMain::helpMenuEntriesOpenTheirPagesOncePerClick()
{
    const struct {
        const char* entry;
        LinkTarget target;
    } entries[] = {{"mnuOnline", LinkTarget::HelpPage},
                   {"mnuVisit", LinkTarget::HomePage},
                   {"mnuUpdate", LinkTarget::DownloadPage}};
    for (const auto& entry : entries) {
        platform_->openedAddresses.clear();
        auto* action = child<QAction>(*window_, entry.entry);
        for (int click = 0; click < 2; ++click) {
            QMenu* menu = openHelpMenu();
            QVERIFY(menu);
            QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
            QTRY_VERIFY(!menu->isVisible());
        }
        const QString address = linkAddress(entry.target);
        QCOMPARE(platform_->openedAddresses, QStringList({address, address}));
    }

    // The access keys work too: Alt+H, then O.
    platform_->openedAddresses.clear();
    QTest::keyClick(window_, Qt::Key_H, Qt::AltModifier);
    QMenu* menu = window_->menuBar()->actions().value(0)->menu();
    QTRY_VERIFY(menu->isVisible());
    QTest::keyClick(menu, Qt::Key_O);
    QCOMPARE(platform_->openedAddresses, QStringList{linkAddress(LinkTarget::HelpPage)});
}

void tst_frmMain::helpMenuHasItsEntriesInOrderWithoutShortcuts()
{
    QMenuBar* bar = window_->menuBar();
    QStringList seen;
    for (QAction* entry : bar->actions())
        seen << entry->objectName() + QLatin1Char(' ') + entry->text();
    QCOMPARE(seen, QStringList({" &Help", "mnuDonate &Donate"}));

    // A separator shows as its name alone.
    seen.clear();
    for (QAction* entry : bar->actions().at(0)->menu()->actions()) {
        seen << (entry->isSeparator() ? entry->objectName()
                                      : entry->objectName() + QLatin1Char(' ') + entry->text());
        QVERIFY(entry->shortcut().isEmpty());
        QVERIFY(entry->isEnabled());
    }
    QCOMPARE(seen, QStringList({"mnuOnline &Online Help", "mnuVisit &Visit Us Online", "mnuHelp1",
                                "mnuUpdate Check for Software &Update", "mnuHelp2",
                                "mnuAbout &About Software"}));
}

void tst_frmMain::donateActsAtOnceWithoutDropDown()
{
    QMenuBar* bar = window_->menuBar();
    auto* donate = child<QAction>(*window_, "mnuDonate");
    const QString address = linkAddress(LinkTarget::DonatePage);

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(donate).center());
    QCOMPARE(platform_->openedAddresses, QStringList{address});
    QTest::qWait(50);
    QVERIFY(!QApplication::activePopupWidget());
    const auto menus = window_->findChildren<QMenu*>();
    for (QMenu* menu : menus)
        QVERIFY(!menu->isVisible());

    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(donate).center());
    QTest::qWait(200); // lets the menu bar release the item before the access key
    QTest::keyClick(window_, Qt::Key_D, Qt::AltModifier);
    QTRY_COMPARE(platform_->openedAddresses, QStringList({address, address, address}));
    QVERIFY(!QApplication::activePopupWidget());
}

void tst_frmMain::linkLabelsOpenTheirPagesOncePerClick()
{
    const struct {
        const char* label;
        LinkTarget target;
        const char* topic; // topic to choose first, if any
        QColor colour;
    } links[] = {
        {"Label61", LinkTarget::HomePage, nullptr, Qt::white},
        {"lblForum", LinkTarget::SignForumPage, "Update", kLinkBlue},
        {"lblAstrology", LinkTarget::HelpPage, "Update", kLinkBlue},
        {"lblDaily", LinkTarget::DailyHoroscopePage, "Update", kLinkBlue},
    };
    for (const auto& link : links) {
        if (link.topic)
            chooseTopic(link.topic);
        platform_->openedAddresses.clear();
        auto* label = child<QLabel>(*window_, link.label);
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->palette().color(QPalette::WindowText), link.colour);
        clickWidget(label);
        clickWidget(label);
        // A double click is one more click, not two.
        QTest::mouseDClick(window_->windowHandle(), Qt::LeftButton, {},
                           label->mapTo(window_, label->rect().center()));
        const QString address = linkAddress(link.target);
        QCOMPARE(platform_->openedAddresses, QStringList({address, address, address}));
        QVERIFY(!label->hasFocus()); // only Tab gives a link the focus
    }
    // A right click is not a click on a link.
    platform_->openedAddresses.clear();
    auto* banner = child<QLabel>(*window_, "Label61");
    QTest::mouseClick(window_->windowHandle(), Qt::RightButton, {},
                      banner->mapTo(window_, banner->rect().center()));
    QVERIFY(platform_->openedAddresses.isEmpty());
}

void tst_frmMain::promotionalClickReachesOnlyTheLabelInFront()
{
    auto* fullBrand = child<QLabel>(*window_, "lblFullBrand");
    auto* coBrand = child<QLabel>(*window_, "lblCobrand");
    const QPoint centre = fullBrand->mapTo(client(), fullBrand->rect().center());
    const QPoint corner = fullBrand->mapTo(client(), QPoint(2, 2));
    for (QLabel* label : {fullBrand, coBrand}) {
        QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(label->palette().color(QPalette::WindowText), kLinkBlue);
        QVERIFY(label->font().bold());
        QVERIFY(label->font().underline());
    }

    coBrand->raise();
    clickAt(centre);
    clickAt(corner);
    const QString coBrandAddress = linkAddress(LinkTarget::CoBrandPage);
    QCOMPARE(platform_->openedAddresses, QStringList({coBrandAddress, coBrandAddress}));

    fullBrand->raise();
    platform_->openedAddresses.clear();
    clickAt(centre);
    clickAt(corner);
    const QString fullBrandAddress = linkAddress(LinkTarget::FullyBrandedPage);
    QCOMPARE(platform_->openedAddresses, QStringList({fullBrandAddress, fullBrandAddress}));
}

void tst_frmMain::updateLinksReactOnlyWhileTheirPanelIsInFront()
{
    const char* const links[] = {"lblForum", "lblAstrology", "lblDaily"};
    chooseTopic("Update");
    QList<QPoint> places;
    for (const char* name : links) {
        auto* label = child<QLabel>(*window_, name);
        places << label->mapTo(client(), label->rect().center());
    }
    for (const char* topic : {"Planets Associated", "Lucky Charm", "General Traits",
                              "Libra As Family", "Famous Personalities"}) {
        chooseTopic(topic);
        for (const QPoint& place : places)
            clickAt(place);
    }
    QVERIFY(platform_->openedAddresses.isEmpty());

    // The update panel holds links only, no profile text.
    const QGroupBox* update = panelTitled(QStringLiteral("Update"));
    QVERIFY(update);
    QVERIFY(update->findChildren<QLineEdit*>().isEmpty());
    QVERIFY(update->findChildren<QPlainTextEdit*>().isEmpty());
    chooseTopic("Update");
    clickAt(places[0]);
    QCOMPARE(platform_->openedAddresses, QStringList{linkAddress(LinkTarget::SignForumPage)});
}

// Panels are built when their topic is first chosen, after the window is shown. The
// user and a screen reader see exactly what they saw of the same window with every
// panel built before it was shown: the first frame and each panel, chosen out of order.
void tst_frmMain::panelsBuiltWhenFirstChosenLookAsIfBuiltAtOnce()
{
    ProgramWindows atOnce;
    atOnce.main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&atOnce.main));
    const QList<int> order = QList<int>{-1} << rowsOutOfOrder(list_->count());
    for (int position : order) {
        if (position >= 0) {
            list_->setCurrentRow(position);
            atOnce.showTopic(position);
        }
        QImage expected, seen;
        const QStringList expectedTree = seenOf(&atOnce.main, expected);
        const QStringList tree = seenOf(window_, seen);
        QVERIFY(!tree.isEmpty());
        QCOMPARE(tree, expectedTree);
        QVERIFY2(seen == expected, qPrintable(QString::number(position)));
        // Tab leads from the key facts into the panel in front, whenever it was built. Both
        // windows take the same keys, since tabbing into a fact too long for its box (as
        // under Windows' fonts) leaves it scrolled to its end.
        const QString title = position < 0 ? QString() : list_->item(position)->text();
        if (position < 0 || title == QLatin1String("Update"))
            continue;
        for (QWidget* window :
             {static_cast<QWidget*>(window_), static_cast<QWidget*>(&atOnce.main)}) {
            QApplication::setActiveWindow(window);
            auto* lastFact = child<QWidget>(*window, "txtBirthDates");
            lastFact->setFocus(Qt::TabFocusReason);
            QTest::keyClick(lastFact, Qt::Key_Tab);
            QWidget* next = QApplication::focusWidget();
            auto* panel = next ? qobject_cast<QGroupBox*>(next->parentWidget()) : nullptr;
            QVERIFY2(panel && panel->title() == title, qPrintable(title));
        }
    }
}

// Building the window leaves the desktop's default font, and its fonts of widget classes.
void tst_frmMain::leavesTheDesktopFontsAsTheyWere()
{
    const QFont serif(QStringLiteral("DejaVu Serif"), 11);
    QApplication::setFont(serif, "QMenuBar");
    const frmMain window(*platform_);
    QCOMPARE(QApplication::font("QMenuBar"), serif);
    QVERIFY(QApplication::font() != window.font());
    QCOMPARE(window.menuBar()->actions().at(0)->menu()->font(), QApplication::font());
}

QTEST_MAIN(tst_frmMain)
#include "tst_frmmain.moc"
