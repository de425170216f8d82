// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "profile/SignProfile.h"
#include "support/Controls.h"
#include "support/ExternalTool.h"
#include "support/FakePlatform.h"
#include "support/ScopedEnvironment.h"
#include "ui/common/Twips.h"
#include "ui/platform/PrinterQuery.h"
#include "ui/platform/QtPlatform.h"
#include "ui/report/frmSave.h"

#include <QAccessible>
#include <QApplication>
#include <QDir>
#include <QDirIterator>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QScreen>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <arpa/inet.h>
#include <functional>
#include <netinet/in.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

using namespace qvz;

namespace {

// What another RTF reader makes of the file, blanks and breaks folded.
QString rtfText(const QString& path)
{
    return QString::fromUtf8(runTool("unrtf", {"--text", path})).simplified();
}

QString pdfText(const QString& path)
{
    return QString::fromUtf8(runTool("pdftotext", {"-enc", "UTF-8", path, "-"}))
        .normalized(QString::NormalizationForm_KC)
        .simplified();
}

QByteArray readAll(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

void click(QWidget* widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Runs the step as soon as a modal window of the given kind is open, from inside its
// event loop; gives up after a few seconds so that a missing window fails the test.
template <typename Window> void whenOpen(std::function<void(Window*)> step)
{
    auto* timer = new QTimer;
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, tries, step] {
        auto* window = qobject_cast<Window*>(QApplication::activeModalWidget());
        if (!window && ++*tries < 300)
            return;
        timer->stop();
        timer->deleteLater();
        if (window)
            step(window);
    });
    timer->start(10);
}

// The user types into the box that has the focus, the save dialog's name box when it
// opens; letters beyond ASCII come as text of no key of their own, as from a keyboard
// layout or an input method.
void typeText(QFileDialog* dialog, const QString& text)
{
    QVERIFY(QTest::qWaitForWindowExposed(dialog));
    dialog->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(dialog));
    QWidget* box = QApplication::focusWidget();
    QVERIFY(qobject_cast<QLineEdit*>(box));
    for (const QChar character : text) {
        if (character.unicode() < 128) {
            QTest::keyClick(box, character.toLatin1());
            continue;
        }
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, QString(character));
        QApplication::sendEvent(box, &press);
    }
}

// ... and presses Enter.
void typeName(QFileDialog* dialog, const QString& text)
{
    typeText(dialog, text);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// What the box that has or last had the window's focus holds.
QString focusedText(QWidget* window)
{
    auto* box = qobject_cast<QLineEdit*>(window->focusWidget());
    return box ? box->text() : QString("<no box has the focus>");
}

// Every file under the folder, by its path there.
QStringList filesUnder(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    return files;
}

struct ShownReport {
    frmSave window;

    explicit ShownReport(Platform& platform) : window(platform)
    {
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
    }

    QTextEdit* view() { return child<QTextEdit>(window, "RTB"); }
};

void checkFailureMessage(const FakePlatform& platform, const QWidget* owner, const QString& names)
{
    QCOMPARE(platform.messages.size(), 1);
    const MessageRequest& message = platform.messages.first();
    QCOMPARE(message.caption, applicationTitle());
    QCOMPARE(message.icon, MessageIcon::Critical);
    QCOMPARE(message.buttons, MessageButtons::Ok);
    QCOMPARE(message.owner, owner);
    QVERIFY2(message.text.contains(names), qPrintable(message.text));
}

} // namespace

class TestFrmSave : public QObject {
    Q_OBJECT

private slots:
    void windowIsLaidOutAsDesigned();
    void captionsFitTheirBoxes();
    void opensAtTheTopOfTheReport();
    void tabOrderAndAccessKeys();
    void escKeepsTheNoteAndOnlyTheFocusedButtonTakesEnter();
    void undoCtrlTabAndCtrlWInTheReport();
    void closingAsksOnlyAboutUnsavedChanges_data();
    void closingAsksOnlyAboutUnsavedChanges();
    void linkLabelsOpenTheirPagesOncePerClick();
    void offerAreaOpensTheCoBrandPage();
    void cancelWritesNothingAndSaysNothing();
    void savesWhatTheViewHoldsAsRtf();
    void saveDialogSavesTheNameTypedAndAsksBeforeReplacing_data();
    void saveDialogSavesTheNameTypedAndAsksBeforeReplacing();
    void saveDialogRefusesWhatCannotBeSaved();
    void saveDialogStartsWhereTheUserIs();
    void failedSaveSaysSoAndKeepsTheFile_data();
    void failedSaveSaysSoAndKeepsTheFile();
    void printWithoutPrinterSaysSo();
    void printWithoutPrinterOffersPdf();
    void printWaitsUnderTheWaitCursorAndKeepsTheReport();
    void silentPrintServerIsGivenUp();
    void printIgnoresTheSelection();
    void failedPrintJobSaysSo();
};

void TestFrmSave::windowIsLaidOutAsDesigned()
{
    FakePlatform platform;
    ShownReport report(platform);
    frmSave& window = report.window;

    QCOMPARE(window.windowTitle(), QStringLiteral(QVZ_APP_NAME " v" QVZ_VERSION));
    QCOMPARE(window.size(), QSize(515, 524));
    QCOMPARE(window.minimumSize(), window.maximumSize());
    QVERIFY(
        !(window.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
    QVERIFY(window.windowFlags() & Qt::WindowCloseButtonHint);
    const QPoint screenCentre = window.screen()->availableGeometry().center();
    // Up to the frame's width off, as the frame's size is only known once it is shown.
    QVERIFY(qAbs(window.frameGeometry().center().x() - screenCentre.x()) <= 3);
    QVERIFY(qAbs(window.frameGeometry().center().y() - screenCentre.y()) <= 3);

    QCOMPARE(report.view()->geometry(), twipsRect(30, 480, 7665, 6135));
    QCOMPARE(report.view()->font().pointSizeF(), 9.75);

    auto* save = child<QPushButton>(window, "cmdSave");
    auto* print = child<QPushButton>(window, "cmdPrint");
    QCOMPARE(save->text(), QString("&Save"));
    QCOMPARE(print->text(), QString("&Print"));
    QCOMPARE(save->geometry(), twipsRect(5400, 6660, 1125, 345));
    QCOMPARE(print->geometry(), twipsRect(6555, 6660, 1125, 345));
    QCOMPARE(save->font().family(), QString("MS Sans Serif"));
    QCOMPARE(print->font().family(), QString("Verdana"));

    auto* frame = child<QGroupBox>(window, "fraFullBrand");
    QCOMPARE(frame->geometry(), twipsRect(30, 7000, 7665, 855));
    QVERIFY(frame->title().isEmpty());
    for (const char* name : {"lblFullBrand", "lblCobrand"}) {
        auto* offer = child<QLabel>(window, name);
        QCOMPARE(offer->parentWidget(), frame);
        QCOMPARE(offer->geometry(), twipsRect(120, 165, 7425, 615));
        QVERIFY(offer->font().bold() && offer->font().underline());
    }
    QVERIFY(child<QLabel>(window, "lblCobrand")->text() !=
            child<QLabel>(window, "lblFullBrand")->text());

    auto* board = child<QLabel>(window, "Label14");
    auto* visit = child<QLabel>(window, "Label3");
    QCOMPARE(board->text(), QString("The Most Popular Online Orvane Discussion Board"));
    QCOMPARE(visit->text(), "Click Here To Visit " + siteHost() + " Now");
    for (QLabel* link : {board, visit}) {
        QVERIFY(link->font().underline() && !link->font().bold());
        QCOMPARE(link->font().pointSizeF(), 8.25);
        QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
    }
    QCOMPARE(board->geometry().center(), twipsRect(1755, 0, 4200, 195).center());
    const QPoint visitCentre = twipsRect(1867, 240, 3990, 195).center();
    QVERIFY((visit->geometry().center() - visitCentre).manhattanLength() <= 1);
}

// A caption cut off at its box's edge is a caption the user cannot read.
void TestFrmSave::captionsFitTheirBoxes()
{
    FakePlatform platform;
    ShownReport report(platform);
    for (const char* name : {"Label14", "Label3"}) {
        auto* link = child<QLabel>(report.window, name);
        QVERIFY2(link->sizeHint().width() <= link->width(), name);
        QVERIFY2(link->geometry().left() >= 0 && link->geometry().right() < report.window.width(),
                 name);
    }
    for (const char* name : {"lblFullBrand", "lblCobrand"}) {
        auto* offer = child<QLabel>(report.window, name);
        QVERIFY2(offer->heightForWidth(offer->width()) <= offer->height(), name);
    }
}

void TestFrmSave::opensAtTheTopOfTheReport()
{
    FakePlatform platform;
    ShownReport report(platform);
    QTextEdit* view = report.view();
    QVERIFY(view->toPlainText().startsWith("Libra\n\nBirth Dates: "));
    QVERIFY(view->verticalScrollBar()->maximum() > 0);
    QCOMPARE(view->verticalScrollBar()->value(), 0);
    QCOMPARE(view->textCursor().position(), 0);
    QVERIFY(platform.calls.isEmpty());
}

void TestFrmSave::tabOrderAndAccessKeys()
{
    FakePlatform platform;
    ShownReport report(platform);
    auto* save = child<QPushButton>(report.window, "cmdSave");
    auto* print = child<QPushButton>(report.window, "cmdPrint");

    print->setFocus();
    QTest::keyClick(print, Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), save);
    QTest::keyClick(save, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), print);
    QTest::keyClick(print, Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), report.view());

    // Alt+S saves and Alt+P prints, from wherever the focus is (a button pressed by its
    // access key clicks a moment later).
    QTest::keyClick(report.view(), Qt::Key_S, Qt::AltModifier);
    QTRY_COMPARE(platform.calls, QStringList{"save dialog: Save Your Rashi Details"});
    QTest::keyClick(report.view(), Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(platform.callsOf("printer").size(), 1);
    QCOMPARE(platform.calls.size(),
             3); // the dialog, the printer, and the missing printer's message
}

// Only the close box closes the window. No button is the default: Enter presses the
// button that has the focus, and starts a new line in the view.
void TestFrmSave::escKeepsTheNoteAndOnlyTheFocusedButtonTakesEnter()
{
    FakePlatform platform;
    ShownReport report(platform);
    auto* save = child<QPushButton>(report.window, "cmdSave");
    auto* print = child<QPushButton>(report.window, "cmdPrint");
    const auto noDefault = [=] { return !save->isDefault() && !print->isDefault(); };
    QVERIFY(noDefault());

    QTextEdit* view = report.view();
    QTest::keyClicks(view, QStringLiteral("Note"));
    QTest::keyClick(view, Qt::Key_Escape);
    QTest::keyClick(view, Qt::Key_Return);
    QTest::keyClick(view, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(view->toPlainText().startsWith("Note\n\nLibra"));
    print->setFocus();
    QTest::keyClick(print, Qt::Key_Escape);
    QVERIFY(report.window.isVisible());
    QVERIFY(platform.calls.isEmpty());
    QVERIFY(noDefault());

    QTest::keyClick(print, Qt::Key_Return);
    QCOMPARE(platform.calls.value(0), QString("printer"));
    save->setFocus();
    QTest::keyClick(save, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(platform.calls.value(2), QString("save dialog: Save Your Rashi Details"));
    view->setFocus();
    QVERIFY(noDefault());
    QCOMPARE(platform.calls.size(), 3);
    QVERIFY(report.window.isVisible());
}

// The composed report is where editing starts: Ctrl+Z has nothing of it to take back.
// Tab types a tab into the report; Ctrl+Tab and Ctrl+Shift+Tab leave it, and Ctrl+W
// closes the window as its close box does, for desktops without a key of their own.
void TestFrmSave::undoCtrlTabAndCtrlWInTheReport()
{
    FakePlatform platform;
    ShownReport report(platform);
    QTextEdit* view = report.view();
    QTemporaryDir folder;
    const auto saved = [&](const QString& name) {
        platform.saveFileNames << folder.filePath(name);
        click(child<QPushButton>(report.window, "cmdSave"));
        return readAll(folder.filePath(name));
    };
    // Ctrl+Z on a fresh report takes nothing away from what is saved.
    const QByteArray untouched = saved("untouched.rtf");
    for (int undo = 0; undo < 3; ++undo)
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(saved("undone.rtf"), untouched);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Tab, Qt::ControlModifier);
    QCOMPARE(QApplication::focusWidget(), child<QPushButton>(report.window, "cmdPrint"));
    view->setFocus();
    QTest::keyClick(view, Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(QApplication::focusWidget() != view);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // back, then forward again
    QCOMPARE(QApplication::focusWidget(), view);

    QSignalSpy finished(&report.window, &QDialog::finished);
    view->setFocus();
    QTest::keyClick(view, Qt::Key_W, Qt::ControlModifier);
    QVERIFY(!report.window.isVisible());
    QCOMPARE(finished.count(), 1);
}

void TestFrmSave::closingAsksOnlyAboutUnsavedChanges_data()
{
    QTest::addColumn<bool>("ctrlW");
    QTest::addColumn<QString>("edit");
    QTest::addColumn<QString>("answer"); // empty: no question
    QTest::addColumn<bool>("staysOpen");
    const struct {
        const char *edit, *answer;
        bool staysOpen;
    } rows[] = {{"untouched", "", false},     {"undone", "", false},
                {"saved", "", false},         {"edited", "save", false},
                {"edited", "no name", true},  {"edited", "save fails", true},
                {"edited", "discard", false}, {"edited", "cancel", true}};
    for (const bool ctrlW : {false, true}) {
        for (const auto& row : rows)
            QTest::addRow("%s, %s, %s", ctrlW ? "Ctrl+W" : "close box", row.edit, row.answer)
                << ctrlW << row.edit << row.answer << row.staysOpen;
    }
}

void TestFrmSave::closingAsksOnlyAboutUnsavedChanges()
{
    QFETCH(bool, ctrlW);
    QFETCH(QString, edit);
    QFETCH(QString, answer);
    QTemporaryDir folder;
    const QString path = folder.filePath("notes.rtf");
    FakePlatform platform;
    ShownReport report(platform);
    QTextEdit* view = report.view();
    if (edit != "untouched")
        QTest::keyClicks(view, "Note");
    if (edit == "undone")
        QTest::keyClick(view, Qt::Key_Z, Qt::ControlModifier);
    if (edit == "saved" || answer == "save")
        platform.saveFileNames << path;
    if (edit == "saved")
        click(child<QPushButton>(report.window, "cmdSave"));
    if (answer == "save fails")
        platform.saveFileNames << folder.filePath("missing/notes.rtf");
    platform.messageAnswers << (answer == "discard"  ? MessageAnswer::Discard
                                : answer == "cancel" ? MessageAnswer::Cancel
                                                     : MessageAnswer::Save);
    const QString text = view->toPlainText();
    const int caret = view->textCursor().position();

    if (ctrlW)
        QTest::keyClick(view, Qt::Key_W, Qt::ControlModifier);
    else
        report.window.windowHandle()->close();

    const MessageRequest question = platform.messages.value(0);
    QCOMPARE(question.buttons == MessageButtons::SaveDiscardCancel, !answer.isEmpty());
    QVERIFY(answer.isEmpty() ||
            (question.caption == applicationTitle() && question.owner == &report.window));
    QFETCH(bool, staysOpen);
    QCOMPARE(report.window.isVisible(), staysOpen);
    QCOMPARE(view->toPlainText(), text);
    QCOMPARE(view->textCursor().position(), caret);
    QCOMPARE(rtfText(path).contains("NoteLibra"), edit == "saved" || answer == "save");
}

void TestFrmSave::linkLabelsOpenTheirPagesOncePerClick()
{
    FakePlatform platform;
    ShownReport report(platform);
    const QString home = linkAddress(LinkTarget::HomePage);

    // A double click, as the window system delivers it, opens the page once.
    auto* board = child<QLabel>(report.window, "Label14");
    QTest::mouseDClick(report.window.windowHandle(), Qt::LeftButton, {},
                       board->mapTo(&report.window, board->rect().center()));
    QCOMPARE(platform.openedAddresses, QStringList{home});
    click(child<QLabel>(report.window, "Label3"));
    click(child<QLabel>(report.window, "Label3"));
    QCOMPARE(platform.openedAddresses, (QStringList{home, home, home}));
    // The offer behind leads to its own page, were it ever clicked.
    click(child<QLabel>(report.window, "lblFullBrand"));
    QCOMPARE(platform.openedAddresses.last(), linkAddress(LinkTarget::FullyBrandedPage));
    QCOMPARE(platform.calls.size(), 4);
}

void TestFrmSave::offerAreaOpensTheCoBrandPage()
{
    FakePlatform platform;
    ShownReport report(platform);
    auto* frame = child<QGroupBox>(report.window, "fraFullBrand");
    auto* coBrand = child<QLabel>(report.window, "lblCobrand");
    const QRect area = coBrand->geometry();

    // Wherever the user clicks on the offer text, the co-brand offer is what is there.
    const QList<QPoint> points = {area.center(), area.topLeft() + QPoint(1, 1),
                                  area.bottomRight() - QPoint(1, 1),
                                  QPoint(area.left() + 5, area.center().y())};
    for (const QPoint& point : points) {
        QWidget* hit = frame->childAt(point);
        QCOMPARE(hit, coBrand);
        QTest::mouseClick(hit, Qt::LeftButton, Qt::NoModifier, hit->mapFrom(frame, point));
    }
    QCOMPARE(platform.openedAddresses,
             QStringList(points.size(), linkAddress(LinkTarget::CoBrandPage)));
    QVERIFY(coBrand->isVisible() && coBrand->autoFillBackground());
}

void TestFrmSave::cancelWritesNothingAndSaysNothing()
{
    FakePlatform platform;
    ShownReport report(platform);
    const QString before = report.view()->toHtml();

    click(child<QPushButton>(report.window, "cmdSave"));

    QCOMPARE(platform.calls, QStringList{"save dialog: Save Your Rashi Details"});
    const SaveDialogRequest& dialog = platform.saveDialogs.first();
    QCOMPARE(dialog.title, QString("Save Your Rashi Details"));
    QCOMPARE(dialog.filters, (QStringList{"Rich Text Format (*.rtf)", "PDF (*.pdf)"}));
    QCOMPARE(dialog.filter, 0);
    QCOMPARE(dialog.owner, &report.window);
    QVERIFY(platform.messages.isEmpty());
    QCOMPARE(report.view()->toHtml(), before);
}

void TestFrmSave::savesWhatTheViewHoldsAsRtf()
{
    QTemporaryDir folder;
    FakePlatform platform;
    ShownReport report(platform);
    QTest::keyClicks(report.view(), QStringLiteral("Notes for Ann: "));
    const QString path = folder.filePath("libra.rtf");
    platform.saveFileNames << path;

    click(child<QPushButton>(report.window, "cmdSave"));

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(readAll(path).startsWith("{\\rtf1"));
    const QString text = rtfText(path);
    QVERIFY2(text.contains("Notes for Ann: Libra Birth Dates: "), qPrintable(text.left(300)));
    // The whole report, down to its last line.
    const QStringList famous = signProfile().famousPersonalities.split("\r\n");
    QVERIFY(text.contains(famous.last().simplified()));
    // Saving changes nothing in the view, and may be done again.
    QVERIFY(report.view()->toPlainText().startsWith("Notes for Ann: Libra"));
    QVERIFY(QFile::remove(path));
    platform.saveFileNames << path;
    click(child<QPushButton>(report.window, "cmdSave"));
    QVERIFY(rtfText(path).contains("Notes for Ann: Libra"));
}

void TestFrmSave::saveDialogSavesTheNameTypedAndAsksBeforeReplacing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("pdf");      // the PDF filter chosen before typing
    QTest::addColumn<QString>("saved"); // in the folder shown
    QTest::addColumn<bool>("asPdf");
    QTest::newRow("name without extension") << "my libra" << false << "my libra.rtf" << false;
    // Qt's own reading saves "mine.rtf" in the folder shown.
    QTest::newRow("quotes, in a folder of the one shown")
        << "target/it's \"mine\" x" << false << "target/it's \"mine\" x.rtf" << false;
    QTest::newRow("quotes and letters in the folder, the whole path typed")
        << "<shown>/\"été\" 'राशि'/Ψ libra.rtf" << false << "\"été\" 'राशि'/Ψ libra.rtf" << false;
    QTest::newRow("PDF filter") << "my libra" << true << "my libra.pdf" << true;
    // The typed suffix .rtf or .pdf, in any case, decides the format; else the filter.
    QTest::newRow(".PDF, RTF filter") << "Libra.PDF" << false << "Libra.PDF" << true;
    QTest::newRow(".Rtf, PDF filter") << "libra.Rtf" << true << "libra.Rtf" << false;
    QTest::newRow(".txt, PDF filter") << "libra.txt" << true << "libra.txt.pdf" << true;
    QTest::newRow(".txt, RTF filter") << "libra.txt" << false << "libra.txt.rtf" << false;
}

// The real save dialog, as the user meets it: the file saved is exactly the one typed,
// and no other file is written. Typed again, the name is asked about before replacing;
// "No" goes back to the dialog, and Cancel there leaves the file as it was.
void TestFrmSave::saveDialogSavesTheNameTypedAndAsksBeforeReplacing()
{
    QFETCH(QString, typed);
    QFETCH(bool, pdf);
    QFETCH(QString, saved);
    QFETCH(bool, asPdf);
    QTemporaryDir folder;
    QVERIFY(QDir(folder.path()).mkpath("target") && QDir(folder.path()).mkpath("\"été\" 'राशि'"));
    typed.replace("<shown>", folder.path());
    QtPlatform platform;
    frmSave report(platform);
    report.show();
    QVERIFY(QTest::qWaitForWindowActive(&report));

    // The user tabs from the name to the filters and takes the next one, then types.
    const auto choose = [&](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        typeText(dialog, QString());
        for (const Qt::Key key : {Qt::Key_Tab, Qt::Key_Down, Qt::Key_Backtab}) {
            if (pdf)
                QTest::keyClick(QApplication::focusWidget(), key);
        }
        typeName(dialog, typed);
    };
    QString title;
    QStringList filters;
    QString chosenFirst;
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        title = dialog->windowTitle();
        filters = dialog->nameFilters();
        chosenFirst = dialog->selectedNameFilter();
        choose(dialog);
    });
    click(child<QPushButton>(report, "cmdSave"));
    QCOMPARE(title, QString("Save Your Rashi Details"));
    QCOMPARE(filters, (QStringList{"Rich Text Format (*.rtf)", "PDF (*.pdf)"}));
    QCOMPARE(chosenFirst, filters.first());
    QCOMPARE(filesUnder(folder.path()), QStringList{saved});
    QVERIFY(readAll(folder.filePath(saved)).startsWith(asPdf ? "%PDF-" : "{\\rtf1"));
    QVERIFY((asPdf ? pdfText(folder.filePath(saved)) : rtfText(folder.filePath(saved)))
                .contains("Libra Birth Dates: "));

    QVERIFY(writeFile(folder.filePath(saved), "{\\rtf1 kept}"));
    QString question;
    bool backInDialog = false;
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        whenOpen<QMessageBox>([&question, &backInDialog, dialog](QMessageBox* box) {
            question = box->text();
            box->button(QMessageBox::No)->click();
            whenOpen<QFileDialog>([&backInDialog, dialog](QFileDialog* again) {
                backInDialog = again == dialog;
                again->reject();
            });
        });
        choose(dialog);
    });
    click(child<QPushButton>(report, "cmdSave"));
    QCOMPARE(question,
             QFileInfo(saved).fileName() + " already exists.\nDo you want to replace it?");
    QVERIFY(backInDialog);
    QCOMPARE(readAll(folder.filePath(saved)), QByteArray("{\\rtf1 kept}"));
}

// The real dialog says why it refuses a choice and stays open in its folder; a dialog
// that closes on any choice, as a platform's own may, opens again in that folder.
void TestFrmSave::saveDialogRefusesWhatCannotBeSaved()
{
    QTemporaryDir folder;
    const QString readOnly = folder.filePath("kept.rtf");
    QVERIFY(writeFile(readOnly, "{\\rtf1 kept}"));
    QVERIFY(QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup));
    const QString missing = folder.filePath("no such folder/libra.rtf");
    const QString good = folder.filePath("libra.rtf");
    const QString pipe = folder.filePath("pipe.rtf");
    QVERIFY(::mkfifo(QFile::encodeName(pipe).constData(), 0666) == 0);
    QtPlatform platform;
    frmSave report(platform);
    report.show();
    QVERIFY(QTest::qWaitForWindowActive(&report));

    // A name of 256 bytes in a missing folder: its message wraps within the screen.
    const QString longName = folder.filePath("no such folder/" + QString(252, 'n') + ".rtf");

    struct Refusal {
        QString text;
        bool ownedByDialog = false;
        bool dialogStillOpen = false;
        QString folderAfter;
        QString nameAfter;
        bool onScreen = false;
        QStringList read; // what assistive tools read of the box's parts
    };
    QList<Refusal> refusals;
    const QStringList refused = {missing, readOnly, pipe, longName};
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        dialog->setDirectory(folder.path());
        for (const QString& path : refused) {
            Refusal refusal;
            whenOpen<QMessageBox>([&refusal, dialog](QMessageBox* box) {
                refusal.text = box->text();
                refusal.ownedByDialog = box->parentWidget() == dialog;
                refusal.onScreen =
                    box->screen()->availableGeometry().contains(box->frameGeometry());
                const QAccessibleInterface* parts = QAccessible::queryAccessibleInterface(box);
                for (int i = 0; i < parts->childCount(); ++i)
                    refusal.read << parts->child(i)->text(QAccessible::Name);
                box->accept();
            });
            typeName(dialog, path);
            refusal.dialogStillOpen = dialog->isVisible();
            refusal.folderAfter = dialog->directory().canonicalPath();
            refusal.nameAfter = focusedText(dialog);
            refusals << refusal;
            QTest::keyClick(dialog->focusWidget(), Qt::Key_A, Qt::ControlModifier);
        }
        typeName(dialog, good);
    });
    click(child<QPushButton>(report, "cmdSave"));

    const QString here = QDir(folder.path()).canonicalPath();
    const QStringList reasons = {"folder does not exist", "read-only", "not an ordinary file",
                                 "folder does not exist"};
    QCOMPARE(refusals.size(), reasons.size());
    for (int i = 0; i < reasons.size(); ++i) {
        QVERIFY2(refusals[i].text.contains(reasons[i]), qPrintable(refusals[i].text));
        QVERIFY(refusals[i].ownedByDialog && refusals[i].dialogStillOpen);
        QVERIFY2(refusals[i].onScreen, qPrintable(refusals[i].text));
        QCOMPARE(refusals[i].folderAfter, here);
        QCOMPARE(refusals[i].nameAfter, refused[i]); // in place, to be mended
    }
    QVERIFY(refusals[0].text.contains(QDir::toNativeSeparators(missing)));
    QVERIFY(refusals[3].text.contains(QDir::toNativeSeparators(longName)));
    QVERIFY(refusals[3].read.join(u'\n').contains(QDir::toNativeSeparators(longName)));
    QVERIFY(rtfText(good).contains("Libra Birth Dates: "));
    QCOMPARE(readAll(readOnly), QByteArray("{\\rtf1 kept}"));

    Refusal afterClosing;
    QString reopenedIn;
    whenOpen<QFileDialog>([&](QFileDialog* dialog) {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            afterClosing.text = box->text();
            afterClosing.ownedByDialog = box->parentWidget() == &report;
            whenOpen<QFileDialog>([&reopenedIn](QFileDialog* again) {
                reopenedIn = again->directory().canonicalPath();
                again->reject();
            });
            box->accept();
        });
        typeText(dialog, missing);
        dialog->QDialog::accept(); // closes on any choice, as a native dialog does
    });
    click(child<QPushButton>(report, "cmdSave"));
    QVERIFY2(afterClosing.text.contains("folder does not exist"), qPrintable(afterClosing.text));
    QVERIFY(afterClosing.ownedByDialog); // the dialog is gone: the window owns the message
    QCOMPARE(reopenedIn, here);
    QVERIFY(!QFileInfo::exists(folder.filePath("no such folder")));
}

// The first save of a run starts in the documents, or at home without them; later ones
// where the last one was saved. Typing a folder's name enters it. A choice refused after
// the dialog has closed, as a platform's own dialog does, opens it again in the nearest
// folder that exists, with the name as typed.
void TestFrmSave::saveDialogStartsWhereTheUserIs()
{
    QTemporaryDir home;
    const ScopedEnvironment homeFolders{
        {"HOME", QFile::encodeName(home.path())},
        {"XDG_CONFIG_HOME", QFile::encodeName(home.filePath(".config"))}};
    const QString here = QDir(home.path()).canonicalPath();
    const QString notes = here + "/Documents/notes";

    QStringList startedIn;
    const auto save = [&startedIn](frmSave& report, std::function<void(QFileDialog*)> step) {
        whenOpen<QFileDialog>([&startedIn, step](QFileDialog* dialog) {
            startedIn << dialog->directory().canonicalPath();
            step(dialog);
        });
        click(child<QPushButton>(report, "cmdSave"));
    };

    QtPlatform withoutDocuments;
    frmSave first(withoutDocuments);
    first.show();
    save(first, [](QFileDialog* dialog) { dialog->reject(); });

    QVERIFY(QDir().mkpath(notes));
    QtPlatform platform;
    frmSave report(platform);
    report.show();
    QVERIFY(QTest::qWaitForWindowActive(&report));
    save(report, [](QFileDialog* dialog) {
        typeName(dialog, "notes");
        typeName(dialog, "libra");
    });
    QVERIFY(QFile::exists(notes + "/libra.rtf")); // in the folder entered

    QString reopenedIn;
    QString reopenedName;
    save(report, [&](QFileDialog* dialog) {
        whenOpen<QMessageBox>([&](QMessageBox* box) {
            whenOpen<QFileDialog>([&](QFileDialog* again) {
                reopenedIn = again->directory().canonicalPath();
                reopenedName = focusedText(again);
                again->reject();
            });
            box->accept();
        });
        typeText(dialog, "a/b/libra.rtf");
        dialog->QDialog::accept(); // closes on any choice, as a native dialog does
    });

    QCOMPARE(startedIn, (QStringList{here, here + "/Documents", notes}));
    QCOMPARE(reopenedIn, notes);
    QCOMPARE(reopenedName, QString("a/b/libra.rtf"));
}

void TestFrmSave::failedSaveSaysSoAndKeepsTheFile_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("filter");
    QTest::newRow("read-only file") << "read-only" << 0;
    QTest::newRow("missing folder") << "missing" << 0;
    QTest::newRow("full device") << "full" << 0;
    QTest::newRow("read-only file, PDF") << "read-only" << 1;
    QTest::newRow("full device, PDF") << "full" << 1;
}

// The dialog refuses each of these when it is chosen; here the disk changed between the
// choice and the write, which must then say so.
void TestFrmSave::failedSaveSaysSoAndKeepsTheFile()
{
    QFETCH(QString, kind);
    QFETCH(int, filter);
    QTemporaryDir folder;
    const QByteArray old = "{\\rtf1 the report saved last time}";
    QString path;
    if (kind == "read-only") {
        path = folder.filePath(filter ? "old.pdf" : "old.rtf");
        QVERIFY(writeFile(path, old));
        QVERIFY(QFile::setPermissions(path, QFile::ReadOwner | QFile::ReadGroup));
    } else if (kind == "missing") {
        path = folder.filePath("no such folder/libra.rtf");
    } else if (geteuid() == 0) {
        // Root may replace device files; a private one keeps the system's safe.
        path = folder.filePath("full");
        QVERIFY(::mknod(QFile::encodeName(path).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0);
    } else {
        path = QStringLiteral("/dev/full");
    }

    FakePlatform platform;
    ShownReport report(platform);
    platform.saveFileNames << path;
    platform.saveFilters << filter;
    click(child<QPushButton>(report.window, "cmdSave"));

    checkFailureMessage(platform, &report.window, path);
    if (kind == "read-only")
        QCOMPARE(readAll(path), old);
    if (kind == "full") {
        struct stat status {};
        QVERIFY(::stat(QFile::encodeName(path).constData(), &status) == 0);
        QVERIFY2(S_ISCHR(status.st_mode), "the device is still a device");
    }
    if (kind == "missing")
        QVERIFY(!QFileInfo::exists(folder.filePath("no such folder")));
}

void TestFrmSave::printWithoutPrinterSaysSo()
{
    FakePlatform platform;
    ShownReport report(platform);
    click(child<QPushButton>(report.window, "cmdPrint"));

    QCOMPARE(platform.calls.first(), QString("printer"));
    checkFailureMessage(platform, &report.window, "printer");
    QCOMPARE(platform.messages.first().alternative, QStringLiteral("Save as &PDF\u2026"));
}

// The real platform asks the print system, and its box offers the PDF filter's dialog.
void TestFrmSave::printWithoutPrinterOffersPdf()
{
    if (!QPrinterInfo::defaultPrinterName().isEmpty())
        QSKIP("a printer is set up here");
    QtPlatform platform;
    frmSave report(platform);
    report.show();
    QString chosen;
    whenOpen<QMessageBox>([&chosen](QMessageBox* box) {
        whenOpen<QFileDialog>([&chosen](QFileDialog* dialog) {
            chosen = dialog->selectedNameFilter();
            dialog->reject();
        });
        box->buttons().constLast()->click();
    });
    click(child<QPushButton>(report, "cmdPrint"));
    QCOMPARE(chosen, QString("PDF (*.pdf)"));
}

// The wait cursor shows while the print system is asked, and is gone before a message; a
// print system that did not answer is named, and the report is still there.
void TestFrmSave::printWaitsUnderTheWaitCursorAndKeepsTheReport()
{
    FakePlatform platform;
    platform.printerFailure = QStringLiteral("the print system did not answer in time");
    Qt::CursorShape whileAsking = Qt::ArrowCursor;
    platform.printerFactory = [&whileAsking] {
        if (const QCursor* cursor = QGuiApplication::overrideCursor())
            whileAsking = cursor->shape();
        return std::unique_ptr<QPrinter>();
    };
    platform.onMessage = [](const MessageRequest&) { QVERIFY(!QGuiApplication::overrideCursor()); };
    ShownReport report(platform);
    QTest::keyClicks(report.view(), QStringLiteral("My note"));
    click(child<QPushButton>(report.window, "cmdPrint"));

    QCOMPARE(whileAsking, Qt::WaitCursor);
    checkFailureMessage(platform, &report.window, platform.printerFailure);
    QVERIFY(report.view()->toPlainText().startsWith(QStringLiteral("My note")));
}

// A print server that accepts the connection and never answers: the real platform gives
// up on it and says so, where the print system is there to ask it.
void TestFrmSave::silentPrintServerIsGivenUp()
{
    const QDir plugins(QLibraryInfo::path(QLibraryInfo::PluginsPath) + "/printsupport");
    if (plugins.entryList({"*cups*"}, QDir::Files).isEmpty())
        QSKIP("no print system here");
    const int listener = ::socket(AF_INET, SOCK_STREAM, 0);
    const auto closeListener = qScopeGuard([listener] { ::close(listener); });
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    QVERIFY(::bind(listener, reinterpret_cast<sockaddr*>(&address), size) == 0);
    QVERIFY(::listen(listener, 16) == 0); // the system accepts; nobody ever answers
    QVERIFY(::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size) == 0);
    const ScopedEnvironment silentServer{
        {"CUPS_SERVER", "127.0.0.1:" + QByteArray::number(ntohs(address.sin_port))}};

    // The bound ends the wait, not the print system, while the windows go on being served.
    QtPlatform platform;
    platform.setPrinterWait(std::chrono::milliseconds(500));
    int served = 0;
    QTimer events;
    connect(&events, &QTimer::timeout, [&served] { ++served; });
    events.start(50);
    QElapsedTimer waited;
    waited.start();
    QString failure;
    QVERIFY(!platform.defaultPrinter(failure, nullptr));
    QVERIFY(waited.elapsed() >= 500 && waited.elapsed() < 5000 && served >= 5);
    QVERIFY2(failure.contains(QLatin1String("did not answer within 0.5 seconds")),
             qPrintable(failure));

    // Closing the window that waits gives the question up at once, with nothing to say.
    platform.setPrinterWait(std::chrono::minutes(1));
    QWidget owner;
    owner.show();
    QTimer::singleShot(200, &owner, &QWidget::close);
    waited.restart();
    failure.clear();
    QVERIFY(!platform.defaultPrinter(failure, &owner));
    QVERIFY(waited.elapsed() < 5000 && failure.isEmpty());
}

void TestFrmSave::printIgnoresTheSelection()
{
    QTemporaryDir folder;
    const QString pdf = folder.filePath("report.pdf");
    FakePlatform platform;
    platform.printerFactory = [pdf] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return printer;
    };
    ShownReport report(platform);
    QTextEdit* view = report.view();
    // The user selects the first lines, then prints.
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QTest::keyClick(view, Qt::Key_Down, Qt::ShiftModifier);
    QVERIFY(view->textCursor().hasSelection());

    click(child<QPushButton>(report.window, "cmdPrint"));

    QVERIFY(platform.messages.isEmpty());
    QVERIFY(!view->textCursor().hasSelection());
    QCOMPARE(pdfText(pdf), view->toPlainText().simplified());
}

void TestFrmSave::failedPrintJobSaysSo()
{
    QTemporaryDir folder;
    FakePlatform platform;
    platform.printerFactory = [&folder] {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(folder.filePath("gone/report.pdf"));
        return printer;
    };
    ShownReport report(platform);
    click(child<QPushButton>(report.window, "cmdPrint"));
    checkFailureMessage(platform, &report.window, "printed");
}

// Print asks the print system in a child process of the program: here, of this test.
QTEST_MAIN_WRAPPER(TestFrmSave,
                   if (isPrinterQuery(argc, argv)) return answerPrinterQuery(argc, argv);
                   QTEST_MAIN_SETUP())
#include "tst_frmsave.moc"
