#include "support/ProgramWindows.h"
#include "ui/common/Fonts.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QtTest>

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
        // The four key facts, three planets, six charms, three family members and the
        // twelve single-text topics.
        QCOMPARE(boxes, 4 + 3 + 6 + 3 + 12);
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
