// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "support/DarkPalette.h"
#include "support/ExpectedReport.h"
#include "support/ProgramWindows.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/ProgramColours.h"

#include <QAbstractScrollArea>
#include <QAbstractTextDocumentLayout>
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QScrollBar>
#include <QStyleOption>
#include <QTextBlock>
#include <QTextEdit>
#include <QtTest>
#include <algorithm>
#include <cmath>

using namespace qvz;

namespace {

// Parts that a compound control draws for itself (scroll bars, viewports) are not
// controls of ours; nor are plain containers, menus (their entries are checked as
// actions) or anything hidden on purpose.
bool isControl(QWidget* widget, QWidget* window)
{
    if (!widget->isVisibleTo(window) || widget->metaObject() == &QWidget::staticMetaObject ||
        qobject_cast<QMenu*>(widget) || qobject_cast<QMenuBar*>(widget))
        return false;
    for (QWidget* part = widget; part != window; part = part->parentWidget()) {
        if (part->objectName().startsWith(QLatin1String("qt_")))
            return false;
        if (part != widget && qobject_cast<QAbstractScrollArea*>(part))
            return false;
    }
    return true;
}

QList<QWidget*> controlsOf(QWidget* window)
{
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (isControl(widget, window))
            controls << widget;
    }
    return controls;
}

// Every control the user can reach, with each topic of the main window in front in turn.
QList<QWidget*> reachableControls(ProgramWindows& windows)
{
    QList<QWidget*> controls;
    for (int topic = 0; topic < windows.topicCount(); ++topic) {
        windows.showTopic(topic);
        for (QWidget* control : controlsOf(&windows.main)) {
            if (!controls.contains(control))
                controls << control;
        }
    }
    for (QWidget* window :
         {static_cast<QWidget*>(&windows.about), static_cast<QWidget*>(&windows.report),
          static_cast<QWidget*>(&windows.exitScreen)})
        controls << controlsOf(window);
    return controls;
}

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 %2 (%3)")
        .arg(widget->window()->objectName(), widget->objectName(),
             QLatin1String(widget->metaObject()->className()));
}

// What is wrong with the control's name and description for a screen reader, if anything.
QStringList namingFaults(QWidget* widget)
{
    QStringList faults;
    const QString name = widget->accessibleName();
    if (name.trimmed().isEmpty())
        faults << QStringLiteral("no accessible name");
    if (name.contains(QLatin1Char('&')))
        faults << QStringLiteral("access-key marker in the name \"%1\"").arg(name);
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    if (!face) {
        faults << QStringLiteral("no accessibility interface");
        return faults;
    }
    if (face->text(QAccessible::Name).trimmed().isEmpty())
        faults << QStringLiteral("the interface reports no name");
    const QString hint = widget->toolTip();
    if (!hint.isEmpty() && widget->accessibleDescription() != hint)
        faults << QStringLiteral("description \"%1\" is not the hint \"%2\"")
                      .arg(widget->accessibleDescription(), hint);
    if (!hint.isEmpty() && face->text(QAccessible::Description) != hint)
        faults << QStringLiteral("the interface describes it as \"%1\"")
                      .arg(face->text(QAccessible::Description));
    return faults;
}

// Walks the window's focus chain with Tab, and with Ctrl+Tab out of a view that takes Tab
// as text, until it comes round. On each link label it presses Enter and Space, each of
// which must open the label's page once, however long the key is held down, and keeps how
// the label looked with the focus.
QStringList walkWithTab(QWidget* window, FakePlatform& platform, QMap<QWidget*, QImage>& focused,
                        QStringList& faults)
{
    QApplication::setActiveWindow(window);
    if (!QTest::qWaitForWindowActive(window))
        faults << QStringLiteral("%1 never became active").arg(window->objectName());
    QStringList chain;
    QWidget* first = QApplication::focusWidget();
    for (QWidget* focus = first; focus && chain.size() < 100;) {
        chain << focus->objectName();
        if (auto* link = qobject_cast<LinkLabel*>(focus)) {
            focused.insert(link, link->grab().toImage());
            platform.openedAddresses.clear();
            for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
                QTest::keyClick(link, key);
                QKeyEvent repeated(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
                QApplication::sendEvent(link, &repeated);
            }
            const QStringList opened = platform.openedAddresses;
            if (opened.size() != 2 || opened.first() != opened.last())
                faults << describe(link) + QStringLiteral(": Enter and Space opened ") +
                              opened.join(QStringLiteral(", "));
        }
        auto* view = qobject_cast<QTextEdit*>(focus);
        const bool takesTab = view && !view->isReadOnly();
        QTest::keyClick(focus, Qt::Key_Tab, takesTab ? Qt::ControlModifier : Qt::NoModifier);
        focus = QApplication::focusWidget();
        if (focus == first)
            break;
    }
    return chain;
}

// The entries of a menu bar, as a screen reader walks them, with any fault found.
void walkMenuEntries(QAccessibleInterface* menu, const QString& path, QStringList& names,
                     QStringList& faults)
{
    for (int index = 0; index < menu->childCount(); ++index) {
        QAccessibleInterface* entry = menu->child(index);
        if (!entry || entry->role() == QAccessible::Separator)
            continue;
        const QString name = entry->text(QAccessible::Name);
        if (name.trimmed().isEmpty() || name.contains(QLatin1Char('&')))
            faults << QStringLiteral("%1 entry %2 is named \"%3\"").arg(path).arg(index).arg(name);
        names << name;
        walkMenuEntries(entry, path + QLatin1Char('/') + name, names, faults);
    }
}

// WCAG 2 relative luminance of an sRGB colour, and the contrast ratio of two colours.
double luminance(QRgb colour)
{
    const auto linear = [](int channel) {
        const double value = channel / 255.0;
        return value <= 0.04045 ? value / 12.92 : std::pow((value + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(qRed(colour)) + 0.7152 * linear(qGreen(colour)) +
           0.0722 * linear(qBlue(colour));
}

double contrast(QRgb first, QRgb second)
{
    const double one = luminance(first);
    const double other = luminance(second);
    return (std::max(one, other) + 0.05) / (std::min(one, other) + 0.05);
}

// A text drawn in the rectangle of the picture: its background is the colour most of the
// rectangle has, and its colour the one that stands out most from that.
double textContrast(const QImage& picture, const QRect& rect)
{
    const qreal scale = picture.devicePixelRatio();
    const QRect pixels =
        QRectF(QPointF(rect.topLeft()) * scale, QSizeF(rect.size()) * scale).toAlignedRect() &
        picture.rect();
    QHash<QRgb, int> counts;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y) {
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            ++counts[picture.pixel(x, y)];
    }
    QRgb background = 0;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            background = it.key();
        }
    }
    double highest = 1.0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it)
        highest = std::max(highest, contrast(it.key(), background));
    return highest;
}

QImage picture(QWidget* widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// Where a text is drawn in a room, by the alignment it is drawn with.
QRect textIn(const QWidget* widget, const QRect& room, int flags, const QString& text)
{
    return widget->fontMetrics().boundingRect(room, flags, text) & room;
}

QRect buttonText(QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool box = qobject_cast<QCheckBox*>(button);
    const QRect room = button->style()->subElementRect(
        box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
    const int alignment = box ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter;
    return textIn(button, room, alignment | Qt::TextShowMnemonic, button->text());
}

template <typename Menu> QList<QRect> entryRects(const Menu* menu)
{
    QList<QRect> entries;
    for (QAction* action : menu->actions()) {
        if (!action->isSeparator())
            entries << menu->actionGeometry(action).adjusted(2, 2, -2, -2);
    }
    return entries;
}

// Where each text of a control is drawn, in the control's own coordinates. The report
// view's runs are measured on their own.
QList<QRect> textRects(QWidget* widget)
{
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        const int wrap = label->wordWrap() ? Qt::TextWordWrap : 0;
        return {
            textIn(label, label->contentsRect(), int(label->alignment()) | wrap, label->text())};
    }
    if (auto* button = qobject_cast<QAbstractButton*>(widget))
        return {buttonText(button)};
    if (auto* box = qobject_cast<QGroupBox*>(widget))
        return {box->title().isEmpty() ? QRect() : groupBoxPart(box, QStyle::SC_GroupBoxLabel)};
    // Inside the frame, which may take the highlight colour while the box has the focus.
    if (qobject_cast<QLineEdit*>(widget))
        return {widget->rect().adjusted(3, 3, -3, -3)};
    if (auto* page = qobject_cast<QPlainTextEdit*>(widget))
        return {page->viewport()->geometry().adjusted(2, 2, -2, -2)};
    if (auto* list = qobject_cast<QListWidget*>(widget)) {
        QList<QRect> rows;
        for (int row = 0; row < list->count(); ++row)
            rows << (list->visualItemRect(list->item(row)).translated(list->viewport()->pos()) &
                     list->viewport()->geometry());
        return rows;
    }
    if (auto* bar = qobject_cast<QMenuBar*>(widget))
        return entryRects(bar);
    if (auto* menu = qobject_cast<QMenu*>(widget))
        return entryRects(menu);
    return {};
}

// The about window's white on orange is its design, 2.5 : 1 at most: under any palette it
// keeps that. Every other text reaches the 4.5 : 1 that small text needs.
double requiredContrast(const QWidget* widget)
{
    if (widget->window()->objectName() == QLatin1String("frmAbout") &&
        qobject_cast<const QLabel*>(widget))
        return contrast(qRgb(255, 255, 255), kAboutOrange.rgb());
    return 4.5;
}

struct ContrastWalk {
    explicit ContrastWalk(const QString& paletteName) : palette(paletteName) {}

    QString palette;
    QSet<QString> measured;
    QMap<QString, double> faults; // the lowest contrast of each text below what it needs

    void check(const QWidget* widget, double ratio, const QString& what = QString())
    {
        const QString own = widget->objectName().isEmpty()
                                ? QLatin1String(widget->metaObject()->className())
                                : widget->objectName();
        const QString name = widget->window()->objectName() + QLatin1Char(' ') + own + what;
        measured.insert(name);
        if (ratio < requiredContrast(widget) && (!faults.contains(name) || ratio < faults[name]))
            faults[name] = ratio;
    }

    QStringList faultTexts() const
    {
        QStringList texts;
        for (auto it = faults.cbegin(); it != faults.cend(); ++it)
            texts << QStringLiteral("%1 under the %2 palette: %3 : 1")
                         .arg(it.key(), palette)
                         .arg(it.value(), 0, 'f', 2);
        return texts;
    }

    // Every text shown in the window as it is now, the window itself included.
    void walk(QWidget* window)
    {
        const QImage shot = picture(window);
        QList<QWidget*> widgets = window->findChildren<QWidget*>();
        widgets.prepend(window);
        for (QWidget* widget : widgets) {
            if (!widget->isVisible() || widget->visibleRegion().isEmpty())
                continue;
            for (const QRect& rect : textRects(widget)) {
                if (!rect.isEmpty())
                    check(widget,
                          textContrast(shot, rect.translated(widget->mapTo(window, QPoint()))));
            }
        }
    }

    // The first line of each run of the report, scrolled into view; the caret waits at
    // the end, outside every run.
    void walkRuns(QTextEdit* view)
    {
        view->moveCursor(QTextCursor::End);
        QTextDocument* document = view->document();
        QScrollBar* scroll = view->verticalScrollBar();
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
            const QPointF corner = document->documentLayout()->blockBoundingRect(block).topLeft();
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextFragment run = it.fragment();
                if (run.text().trimmed().isEmpty())
                    continue;
                const int start = run.position() - block.position();
                const QTextLine line = block.layout()->lineForTextPosition(start);
                const int end =
                    std::min(start + run.length(), line.textStart() + line.textLength());
                const qreal left = line.cursorToX(start);
                QRectF rect(left, line.y(), line.cursorToX(end) - left, line.height());
                rect.translate(corner);
                scroll->setValue(int(rect.top()));
                rect.translate(0, -scroll->value());
                const QString colour = run.charFormat().foreground().color().name();
                check(view, textContrast(picture(view->viewport()), rect.toAlignedRect()),
                      QLatin1Char(' ') + colour);
            }
        }
    }
};
} // namespace

class TestAccessibility : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { installFontSubstitutes(); }

    void everyControlHasANameAndItsHintAsDescription()
    {
        ProgramWindows windows;
        QStringList walked;
        QStringList faults;
        for (QWidget* control : reachableControls(windows)) {
            walked << control->objectName();
            for (const QString& fault : namingFaults(control))
                faults << describe(control) + QStringLiteral(": ") + fault;
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));

        // The walk reaches into every window, every panel behind the front one, and the
        // referral form, including its box that is reachable only by Tab.
        for (const char* name :
             {"lstOptions", "txtBirthDates", "txtMother", "lblForum", "lblCobrand", "Line1", "RTB",
              "cmdPrint", "txtMessage", "lblGoToHome", "picNagscreen2Icon"})
            QVERIFY2(walked.contains(QLatin1String(name)), name);
    }

    // A box is announced by the caption the user sees with it: the label beside or above
    // it, or, for the one box of a topic panel, the panel's title.
    void boxesAreNamedAfterTheirCaptions()
    {
        ProgramWindows windows;
        QStringList captions;
        for (auto* label : windows.main.findChildren<QLabel*>())
            captions << label->text();
        for (auto* panel : windows.main.findChildren<QGroupBox*>())
            captions << panel->title();
        captions.removeAll(QString()); // pictures and untitled frames caption nothing

        int boxes = 0;
        const auto lines = windows.main.findChildren<QLineEdit*>();
        const auto pages = windows.main.findChildren<QPlainTextEdit*>();
        QList<QWidget*> all(lines.begin(), lines.end());
        all.append(QList<QWidget*>(pages.begin(), pages.end()));
        for (QWidget* box : all) {
            QVERIFY2(captions.contains(box->accessibleName()), qPrintable(describe(box)));
            ++boxes;
        }
        // A box for every value of the reviewed report: each is one black run there.
        const QList<ReportRun> report = expectedReport();
        QCOMPARE(boxes, int(std::count_if(report.cbegin(), report.cend(), [](const ReportRun& run) {
                     return run.colour == 0xff000000;
                 })));
        QCOMPARE(
            windows.main.findChild<QWidget*>(QStringLiteral("txtBirthDates"))->accessibleName(),
            QStringLiteral("Birth Dates"));
        QCOMPARE(
            windows.main.findChild<QWidget*>(QStringLiteral("txtBirthstone"))->accessibleName(),
            QStringLiteral("Birth Stone"));
    }

    // A picture is announced as what it shows, as a graphic, and never with the same
    // words as a text of its window, which a listener would take for that text.
    void picturesSayWhatTheyShow()
    {
        ProgramWindows windows;
        int pictures = 0;
        for (QWidget* window : windows.all()) {
            for (auto* label : window->findChildren<QLabel*>()) {
                if (label->pixmap().isNull())
                    continue;
                ++pictures;
                QStringList texts{window->windowTitle()};
                for (auto* text : window->findChildren<QLabel*>())
                    texts << text->text();
                QVERIFY2(!texts.contains(label->accessibleName(), Qt::CaseInsensitive),
                         qPrintable(describe(label)));
                QAccessibleInterface* face = QAccessible::queryAccessibleInterface(label);
                QVERIFY(face);
                QCOMPARE(face->role(), QAccessible::Graphic);
            }
        }
        QCOMPARE(pictures, 3); // the sign, and the program icon on the about and exit windows
        QVERIFY(windows.main.findChild<QLabel*>(QStringLiteral("picZodiac"))
                    ->accessibleName()
                    .contains(QLatin1String("picture of the sign Libra"), Qt::CaseInsensitive));
    }

    // Under the desktop's light palette and under a dark one, every text of every window,
    // the report's runs and the opened menu stand out from what is drawn behind them.
    // Each window and the open menu carry the program's own colours, every one of them,
    // the same under both.
    void everyTextIsReadableUnderALightOrADarkPalette()
    {
        const QPalette desktop = QApplication::palette();
        QList<QPalette> carried;
        QStringList followDesktop;
        const auto restore = qScopeGuard([&desktop] { QApplication::setPalette(desktop); });
        ContrastWalk light{QStringLiteral("light")};
        ContrastWalk dark{QStringLiteral("dark")};
        for (ContrastWalk* walk : {&light, &dark}) {
            QApplication::setPalette(walk == &dark ? darkDesktopPalette() : desktop);
            ProgramWindows windows;
            QVERIFY(windows.showAll());
            for (int topic = 0; topic < windows.topicCount(); ++topic) {
                windows.showTopic(topic);
                walk->walk(&windows.main);
            }
            auto* help = windows.main.findChild<QMenu*>(QStringLiteral("mnuHelpMenu"));
            help->popup(windows.main.mapToGlobal(QPoint(0, 0)));
            QVERIFY(QTest::qWaitForWindowExposed(help));
            walk->walk(help);
            const QList<QWidget*> shown = windows.all() << help;
            for (int i = 0; i < shown.size(); ++i) {
                if (walk == &light)
                    carried << shown[i]->palette();
                else if (shown[i]->palette() != carried[i]) // any colour of any group
                    followDesktop << shown[i]->objectName();
            }
            help->hide();
            for (QWidget* window :
                 {static_cast<QWidget*>(&windows.about), static_cast<QWidget*>(&windows.report),
                  static_cast<QWidget*>(&windows.exitScreen)})
                walk->walk(window);
            walk->walkRuns(windows.report.findChild<QTextEdit*>(QStringLiteral("RTB")));
        }
        const QStringList faults = light.faultTexts() + dark.faultTexts();
        for (const QString& fault : faults)
            qWarning("%s", qPrintable(fault));
        QVERIFY2(faults.isEmpty(), "texts that do not stand out enough, listed above");
        QVERIFY2(followDesktop.isEmpty(), qPrintable(followDesktop.join(QLatin1Char(' '))));

        // The walk reached the links, the banner, the list, the menus, the exit screen's
        // frames, and the report's runs in all four of its colours.
        for (const char* name :
             {"frmMain Label61", "frmMain lblCobrand", "frmMain lblDaily", "frmMain lstOptions",
              "frmMain txtMother", "frmMain Frame21", "frmMain QMenuBar", "frmAbout lblHomePage",
              "frmSave Label14", "frmSave lblCobrand", "frmNagScreen2 lblGoToHome",
              "frmNagScreen2 Check1", "frmNagScreen2 Frame2", "frmNagScreen2 txtName",
              "mnuHelpMenu mnuHelpMenu"})
            QVERIFY2(dark.measured.contains(QLatin1String(name)), name);
        const QStringList names(dark.measured.cbegin(), dark.measured.cend());
        QCOMPARE(names.filter(QLatin1String("frmSave RTB #")).size(), 4);
    }

    // Every window, the exit screen too, is announced as a window named by its caption.
    // Every page a label opens can be reached with the keyboard alone: Tab reaches every
    // link label that a click reaches, after the controls whose order is fixed, shows
    // that it has the focus, and Enter or Space opens the label's page once.
    void windowsAreAnnouncedAndTabReachesEveryLinkLabel()
    {
        ProgramWindows windows;
        QVERIFY(windows.showAll());
        QMap<QWidget*, QImage> focused;
        QStringList faults;
        for (QWidget* window : windows.all()) {
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(window);
            QVERIFY(face);
            QVERIFY2(face->role() == QAccessible::Window || face->role() == QAccessible::Dialog,
                     qPrintable(describe(window)));
            QCOMPARE(face->text(QAccessible::Name), window->windowTitle());
            const int topics = window == &windows.main ? windows.topicCount() : 1;
            for (int topic = 0; topic < topics; ++topic) {
                if (window == &windows.main)
                    windows.showTopic(topic);
                const QStringList chain = walkWithTab(window, windows.platform, focused, faults);
                for (auto* link : window->findChildren<LinkLabel*>()) {
                    const QPoint centre = link->mapTo(window, link->rect().center());
                    if (window->childAt(centre) == link && !chain.contains(link->objectName()))
                        faults << describe(link) + QStringLiteral(": not reached by Tab");
                }
                if (window == &windows.report)
                    QVERIFY2(chain.indexOf("cmdPrint") < chain.indexOf("cmdSave") &&
                                 chain.indexOf("cmdSave") < chain.indexOf("Label14"),
                             qPrintable(chain.join(QLatin1Char(' '))));
            }
        }
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QCOMPARE(focused.size(), 11); // five in the main window, two, three and one in the others
        for (auto it = focused.cbegin(); it != focused.cend(); ++it)
            QVERIFY2(it.key()->grab().toImage() != it.value(), qPrintable(describe(it.key())));
    }

    void menuEntriesHaveNamesWithoutAccessKeyMarkers()
    {
        ProgramWindows windows;
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(windows.main.menuBar());
        QVERIFY(bar);
        QStringList names;
        QStringList faults;
        walkMenuEntries(bar, QStringLiteral("menu bar"), names, faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        for (const char* name : {"Help", "Online Help", "Visit Us Online",
                                 "Check for Software Update", "About Software", "Donate"})
            QVERIFY2(names.contains(QLatin1String(name)), name);
    }
};

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
