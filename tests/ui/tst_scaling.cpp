// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

// Every window at a display scale: 200% unless "--scale <factor>" says otherwise. The
// factor has to be in place before the application starts, so this test has its own main.
#include "AppInfo.h"
#include "profile/ProfileTopic.h"
#include "support/Controls.h"
#include "support/ProgramWindows.h"
#include "ui/common/Fonts.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Placement.h"
#include "ui/common/Twips.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QStyleOption>
#include <QtTest>
#include <memory>
#include <vector>

using namespace qvz;

namespace {

// Parts that compound controls draw for themselves are not ours to lay out.
bool isOwnWidget(QWidget* widget, QWidget* window)
{
    for (QWidget* part = widget; part != window; part = part->parentWidget()) {
        if (part->objectName().startsWith(QLatin1String("qt_")) || qobject_cast<QMenuBar*>(part))
            return false;
        if (part != widget && qobject_cast<QAbstractScrollArea*>(part))
            return false;
    }
    return true;
}

QList<QWidget*> shownWidgetsOf(QWidget* window)
{
    QList<QWidget*> widgets;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (widget->isVisibleTo(window) && isOwnWidget(widget, window))
            widgets << widget;
    }
    return widgets;
}

QString describe(const QWidget* widget)
{
    return QStringLiteral("%1 %2").arg(widget->window()->objectName(), widget->objectName());
}

// The text as drawn: a single "&" marks the access key and is not drawn.
QString drawnText(QString text)
{
    static const QRegularExpression marker(QStringLiteral("&(.)"));
    return text.replace(marker, QStringLiteral("\\1"));
}

QString rectText(const QRect& rect)
{
    return QStringLiteral("%1,%2 %3x%4")
        .arg(rect.x())
        .arg(rect.y())
        .arg(rect.width())
        .arg(rect.height());
}

QString fitFault(const QWidget* widget, const QString& what, int needed, int available)
{
    return QStringLiteral("%1: %2 needs %3 but has %4")
        .arg(describe(widget), what)
        .arg(needed)
        .arg(available);
}

void checkOneLine(const QWidget* widget, const QString& text, const QRect& room,
                  QStringList& faults)
{
    const QFontMetrics metrics = widget->fontMetrics();
    const int width = metrics.horizontalAdvance(text);
    if (width > room.width())
        faults << fitFault(widget, QStringLiteral("width"), width, room.width());
    if (metrics.height() > room.height())
        faults << fitFault(widget, QStringLiteral("height"), metrics.height(), room.height());
}

void checkLabel(const QLabel* label, QStringList& faults)
{
    if (label->text().isEmpty())
        return;
    const QRect room = label->contentsRect().marginsRemoved(
        QMargins(label->margin(), label->margin(), label->margin(), label->margin()));
    if (!label->wordWrap()) {
        checkOneLine(label, label->text(), room, faults);
        return;
    }
    const int height = label->heightForWidth(label->width());
    if (height > label->height())
        faults << fitFault(label, QStringLiteral("height"), height, label->height());
    // Wrapping breaks only between words, and where a link lets its address wrap: a longer
    // word than the line runs off its end.
    static const QRegularExpression breaks(QStringLiteral("[\\s\\x{200B}]+"));
    const auto* link = qobject_cast<const LinkLabel*>(label);
    const QString laidOut = link ? link->shownText() : label->text();
    for (const QString& word : laidOut.split(breaks, Qt::SkipEmptyParts)) {
        const int width = label->fontMetrics().horizontalAdvance(word);
        if (width > room.width())
            faults << fitFault(label, QStringLiteral("the word \"%1\"").arg(word), width,
                               room.width());
    }
}

void checkButton(QAbstractButton* button, QStringList& faults)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const bool box = qobject_cast<QCheckBox*>(button);
    if (box)
        option.iconSize = button->iconSize();
    const QRect room = button->style()->subElementRect(
        box ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents, &option, button);
    checkOneLine(button, drawnText(button->text()), room, faults);
}

void checkGroupBoxTitle(const QGroupBox* box, QStringList& faults)
{
    if (box->title().isEmpty())
        return;
    const QRect title = groupBoxPart(box, QStyle::SC_GroupBoxLabel);
    const int right = title.left() + box->fontMetrics().horizontalAdvance(drawnText(box->title()));
    if (right > box->width())
        faults << fitFault(box, QStringLiteral("title width"), right, box->width());
    // Below the title the style draws the frame's top line: what lies above it sits on
    // the line or on the title.
    const QRect inside = groupBoxPart(box, QStyle::SC_GroupBoxContents);
    for (QWidget* child : box->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(box) && child->geometry().intersects(box->rect()) &&
            !inside.contains(child->geometry()))
            faults << QStringLiteral("%1: lies on the frame or title of %2 (%3 is outside %4)")
                          .arg(describe(child), box->objectName(), rectText(child->geometry()),
                               rectText(inside));
    }
}

// A list has no horizontal scroll bar, so an entry wider than the list is cut off.
void checkListEntries(const QListWidget* list, QStringList& faults)
{
    const int margin = list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1;
    const int room = list->viewport()->width() - 2 * margin;
    for (int row = 0; row < list->count(); ++row) {
        const QString text = list->item(row)->text();
        const int width = list->fontMetrics().horizontalAdvance(text);
        if (width > room)
            faults << fitFault(list, QStringLiteral("entry \"%1\"").arg(text), width, room);
    }
}

bool showsOwnText(const QWidget* widget)
{
    if (auto* label = qobject_cast<const QLabel*>(widget))
        return !label->text().isEmpty();
    if (auto* box = qobject_cast<const QGroupBox*>(widget))
        return !box->title().isEmpty();
    return qobject_cast<const QAbstractButton*>(widget) || qobject_cast<const QLineEdit*>(widget) ||
           qobject_cast<const QAbstractScrollArea*>(widget);
}

bool showsText(const QWidget* widget)
{
    if (showsOwnText(widget))
        return true;
    for (auto* child : widget->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (child->isVisibleTo(widget) && showsText(child))
            return true;
    }
    return false;
}

// Panels stacked on one another, and the offers that share one place, are one control
// each: of those on the same rectangle only the one in front is seen.
bool isBehindTwin(const QWidget* widget, const QList<QWidget*>& siblings)
{
    const int position = siblings.indexOf(widget);
    for (int later = position + 1; later < siblings.size(); ++later) {
        const QWidget* other = siblings.at(later);
        if (other->geometry() == widget->geometry() && other->metaObject() == widget->metaObject())
            return true;
    }
    return false;
}

// The children that show text, in stacking order (the last is in front).
QList<QWidget*> textChildren(QWidget* parent)
{
    QList<QWidget*> children;
    for (QObject* object : parent->children()) {
        auto* child = qobject_cast<QWidget*>(object);
        if (child && !child->isWindow() && child->isVisibleTo(parent) &&
            isOwnWidget(child, parent->window()) && showsText(child))
            children << child;
    }
    return children;
}

// The checks below, each gathering every fault of one window, so that one run names all.
QStringList fitFaults(QWidget* window)
{
    QStringList faults;
    for (QWidget* widget : shownWidgetsOf(window)) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            checkLabel(label, faults);
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            checkButton(button, faults);
        else if (auto* box = qobject_cast<QGroupBox*>(widget))
            checkGroupBoxTitle(box, faults);
        else if (auto* list = qobject_cast<QListWidget*>(widget))
            checkListEntries(list, faults);
    }
    return faults;
}

void checkInside(const QWidget* child, const QWidget* parent, QStringList& faults)
{
    // The referral message box lies below its frame's edge on purpose, out of sight.
    if (child->objectName() == QLatin1String("txtMessage"))
        return;
    if (!parent->rect().contains(child->geometry()))
        faults << QStringLiteral("%1 sticks out of %2").arg(describe(child), parent->objectName());
}

QStringList placementFaults(QWidget* window)
{
    QList<QWidget*> parents = shownWidgetsOf(window);
    parents.prepend(window);
    QStringList faults;
    for (QWidget* parent : parents) {
        const QList<QWidget*> children = textChildren(parent);
        QList<QWidget*> seen;
        for (QWidget* child : children) {
            if (!isBehindTwin(child, children))
                seen << child;
        }
        for (int first = 0; first < seen.size(); ++first) {
            checkInside(seen.at(first), parent, faults);
            for (int second = first + 1; second < seen.size(); ++second) {
                if (seen.at(first)->geometry().intersects(seen.at(second)->geometry()))
                    faults << QStringLiteral("%1 overlaps %2")
                                  .arg(describe(seen.at(first)), seen.at(second)->objectName());
            }
        }
    }
    return faults;
}

std::unique_ptr<ProgramWindows> windows;

void addWindowRows()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("topic"); // the main window's topic in front, -1 elsewhere
    for (const ProfileTopic& topic : profileTopics())
        QTest::addRow("frmMain %s", qPrintable(topic.text)) << 0 << topic.position;
    QTest::newRow("frmAbout") << 1 << -1;
    QTest::newRow("frmSave") << 2 << -1;
    QTest::newRow("frmNagScreen2") << 3 << -1;
}

} // namespace

class TestScaling : public QObject {
    Q_OBJECT

public:
    explicit TestScaling(qreal scale) : scale_(scale) {}

private slots:
    void initTestCase()
    {
        installFontSubstitutes();
        windows = std::make_unique<ProgramWindows>();
        QVERIFY(windows->showAll());
        for (QWidget* window : windows->all())
            QCOMPARE(window->devicePixelRatioF(), scale_);
    }

    void cleanupTestCase() { windows.reset(); }

    // Labels, buttons, check boxes, frame titles and list entries show their whole text.
    void textsFitTheirControls_data() { addWindowRows(); }
    void textsFitTheirControls()
    {
        QFETCH(int, index);
        QFETCH(int, topic);
        if (topic >= 0)
            windows->showTopic(topic);
        const QStringList faults = fitFaults(windows->all().at(index));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // No control with text lies partly on another, nor reaches past the edge of what
    // holds it.
    void textControlsNeitherOverlapNorStickOut_data() { addWindowRows(); }
    void textControlsNeitherOverlapNorStickOut()
    {
        QFETCH(int, index);
        QFETCH(int, topic);
        if (topic >= 0)
            windows->showTopic(topic);
        const QStringList faults = placementFaults(windows->all().at(index));
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
    }

    // Each window opens with its frame's top-left corner on the screen. The report window,
    // too tall for a small screen, gets shorter by as much of its view's height as it must.
    void windowsFitTheScreen()
    {
        for (QWidget* window : windows->all())
            QVERIFY2(
                window->screen()->availableGeometry().contains(window->frameGeometry().topLeft()),
                qPrintable(window->objectName()));
        const QWidget& report = windows->report;
        QVERIFY(report.frameGeometry().height() <= report.screen()->availableGeometry().height());
        // Save stays as far below the view as laid out.
        const QRect view = child(report, "RTB")->geometry();
        QCOMPARE(child(report, "cmdSave")->y() - view.bottom(), twips(6660) - twips(6615) + 1);
    }

    void placeFrame_data()
    {
        QTest::addColumn<QSize>("frame");
        QTest::addColumn<QList<QRect>>("areas"); // the primary monitor's first
        QTest::addColumn<QRect>("anchor");
        QTest::addColumn<QPoint>("expected");
        const QList<QRect> small{{0, 0, 683, 384}};
        const QList<QRect> two{{0, 0, 1280, 1024}, {1280, 0, 1280, 1024}};
        QTest::newRow("fits: centred")
            << QSize(573, 495) << QList<QRect>{{0, 0, 1366, 768}} << QRect() << QPoint(396, 136);
        QTest::newRow("too tall: top edge") << QSize(573, 498) << small << QRect() << QPoint(55, 0);
        QTest::newRow("too wide: left edge")
            << QSize(743, 336) << small << QRect() << QPoint(0, 24);
        QTest::newRow("below a top panel")
            << QSize(573, 760) << QList<QRect>{{0, 30, 1366, 738}} << QRect() << QPoint(396, 30);
        QTest::newRow("two: no anchor, primary")
            << QSize(573, 495) << two << QRect() << QPoint(353, 264);
        QTest::newRow("two: anchor mostly right")
            << QSize(573, 495) << two << QRect(1100, 100, 573, 495) << QPoint(1633, 264);
        QTest::newRow("two: anchor mostly left")
            << QSize(573, 495) << two << QRect(900, 100, 573, 495) << QPoint(353, 264);
        QTest::newRow("two: anchor off both")
            << QSize(573, 495) << two << QRect(5000, 0, 9, 9) << QPoint(353, 264);
        QTest::newRow("two: too large, right")
            << QSize(1400, 1100) << two << QRect(1900, 9, 9, 9) << QPoint(1280, 0);
    }

    // Centred on the monitor that shows most of the anchor, the primary one otherwise; a
    // frame too large keeps its top-left corner on that monitor.
    void placeFrame()
    {
        QFETCH(QSize, frame);
        QFETCH(QList<QRect>, areas);
        QFETCH(QRect, anchor);
        QFETCH(QPoint, expected);
        QCOMPARE(qvz::placeFrame(frame, areas, anchor), QRect(expected, frame));
    }

    // The checks see faults where there are some: a caption narrower than its text, a
    // wrapped label too short for its lines, a word longer than its label, a button on
    // another one, a child on its frame's title, a label past its window's edge; and two
    // controls stacked on one rectangle count as the one in front.
    void checksFindPlantedFaults()
    {
        QWidget window;
        window.setObjectName(QStringLiteral("planted"));
        window.resize(400, 300);
        auto* caption = new QLabel(QStringLiteral("Zodiac Quality"), &window);
        caption->setObjectName(QStringLiteral("caption"));
        caption->setGeometry(10, 10, caption->sizeHint().width() - 3, caption->sizeHint().height());
        auto* wrapped = new QLabel(QStringLiteral("one two three four five six seven"), &window);
        wrapped->setObjectName(QStringLiteral("wrapped"));
        wrapped->setWordWrap(true);
        wrapped->setGeometry(10, 40, 60, caption->height());
        auto* word = new QLabel(QStringLiteral(QVZ_SITE_HOST), &window);
        word->setObjectName(QStringLiteral("word"));
        word->setWordWrap(true);
        word->setGeometry(10, 80, 60, 100);
        auto* save = new QPushButton(QStringLiteral("&Save"), &window);
        save->setObjectName(QStringLiteral("save"));
        save->setGeometry(100, 240, 100, 30);
        auto* print = new QPushButton(QStringLiteral("&Print"), &window);
        print->setObjectName(QStringLiteral("print"));
        print->setGeometry(195, 240, 100, 30);
        auto* frame = new QGroupBox(QStringLiteral("Planets Associated"), &window);
        frame->setObjectName(QStringLiteral("frame"));
        frame->setGeometry(100, 10, 200, 100);
        auto* inFrame = new QLabel(QStringLiteral("Venus"), frame);
        inFrame->setObjectName(QStringLiteral("inFrame"));
        inFrame->setGeometry(10, 2, 60, 20);
        auto* outside = new QLabel(QStringLiteral("Mars"), &window);
        outside->setObjectName(QStringLiteral("outside"));
        outside->setGeometry(380, 150, 60, 20);
        for (int twin = 0; twin < 2; ++twin)
            (new QLabel(QStringLiteral("Offer %1").arg(twin), &window))
                ->setGeometry(100, 150, 100, 40);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        const QString fits = fitFaults(&window).join(QLatin1Char('\n'));
        for (const char* expected :
             {"caption: width", "wrapped: height", "word: the word", "inFrame: lies on the frame"})
            QVERIFY2(fits.contains(QLatin1String(expected)),
                     qPrintable(expected + (" in " + fits)));
        QCOMPARE(fitFaults(&window).size(), 4);
        const QStringList placed = placementFaults(&window);
        QCOMPARE(placed, (QStringList{QStringLiteral("planted save overlaps print"),
                                      QStringLiteral("planted outside sticks out of planted")}));
    }

private:
    qreal scale_;
};

int main(int argc, char* argv[])
{
    QByteArray scale = "2";
    std::vector<char*> arguments;
    for (int index = 0; index < argc; ++index) {
        if (qstrcmp(argv[index], "--scale") == 0 && index + 1 < argc)
            scale = argv[++index];
        else
            arguments.push_back(argv[index]);
    }
    int count = int(arguments.size());
    arguments.push_back(nullptr);
    qputenv("QT_SCALE_FACTOR", scale);
    QApplication app(count, arguments.data());
    TestScaling test(scale.toDouble());
    return QTest::qExec(&test, count, arguments.data());
}

#include "tst_scaling.moc"
