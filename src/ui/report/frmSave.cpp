// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/report/frmSave.h"

#include "AppInfo.h"
#include "links/LinkTarget.h"
#include "platform/Platform.h"
#include "profile/SignProfile.h"
#include "report/ReportComposer.h"
#include "report/RtfWriter.h"
#include "ui/common/FixedWindow.h"
#include "ui/common/Fonts.h"
#include "ui/common/Labels.h"
#include "ui/common/LinkLabel.h"
#include "ui/common/Offers.h"
#include "ui/common/Placement.h"
#include "ui/common/ProgramColours.h"
#include "ui/common/ProgramPalette.h"
#include "ui/common/TextFit.h"
#include "ui/common/Twips.h"
#include "ui/report/ReportPrinter.h"
#include "ui/report/ReportView.h"
#include "ui/report/modRTB.h"

#include <QCloseEvent>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QPrinter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QTextEdit>
#include <algorithm>

namespace qvz {

namespace {

// Where the controls stand, in twips.
constexpr struct {
    QSize window = twipsSize(7725, 7860);
    QRect Label14 = twipsRect(1755, 0, 4200, 195);
    QRect Label3 = twipsRect(1867, 240, 3990, 195);
    QRect RTB = twipsRect(30, 480, 7665, 6135);
    QRect cmdSave = twipsRect(5400, 6660, 1125, 345);
    QRect cmdPrint = twipsRect(6555, 6660, 1125, 345);
    QRect fraFullBrand = twipsRect(30, 7000, 7665, 855);
    QRect offers = twipsRect(120, 165, 7425, 615); // in fraFullBrand
} kLayout;

OfferTexts offerTexts()
{
    return {QStringLiteral("Offers for web site owners"),
            QStringLiteral("Start your own Internet business from home: get this software fully "
                           "branded for your own web site and hand it out as your own product. "
                           "Click here for more details."),
            QStringLiteral("Co-brand this software with your own site name and a link to your "
                           "web site, so that every copy you give away brings visitors back to "
                           "you. Click here for more information on co-branding.")};
}

QPushButton* addButton(QWidget* parent, const char* name, const QString& caption, const QRect& rect)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setAccessibleName(QString(caption).remove(QLatin1Char('&')));
    button->setGeometry(rect);
    // The window has no default button: Enter presses only the button that has the focus.
    button->setAutoDefault(false);
    return button;
}

} // namespace

frmSave::frmSave(Platform& platform, QWidget* parent) : QDialog(parent), platform_(platform)
{
    setUpFixedWindow(*this, "frmSave", kLayout.window);
    addView();
    addButtons();
    // After the buttons, so that Tab reaches the links after them.
    addLinks();
    addOffers();
    fitToScreen();
    placeWindow(*this);
    loadReport();
}

// The host is chosen at build time, so a link may need more room than its box; the box
// then grows evenly on both sides, staying centred where the layout puts it.
void frmSave::addLinks()
{
    LinkLabel* board =
        addLink(this, "Label14", QStringLiteral("The Most Popular Online Orvane Discussion Board"),
                kLinkBlue, kLayout.Label14);
    LinkLabel* visit = addLink(this, "Label3", visitBoardCaption(), kLinkBlue, kLayout.Label3);
    for (LinkLabel* link : {board, visit}) {
        link->setFont(verdana(8.25, false, true));
        link->setWordWrap(false);
        link->setAlignment(Qt::AlignCenter);
        fitToText(link, TextFit::BothSides);
    }
    connect(board, &LinkLabel::clicked, this, &frmSave::Label14_Click);
    connect(visit, &LinkLabel::clicked, this, &frmSave::Label3_Click);
}

void frmSave::addView()
{
    RTB_ = new QTextEdit(this);
    RTB_->setObjectName(QStringLiteral("RTB"));
    RTB_->setAccessibleName(QStringLiteral("Report"));
    RTB_->setGeometry(kLayout.RTB);
    // Pasted text arrives plain, so only the report's own formatting and the links
    // found in the text ever appear.
    RTB_->setAcceptRichText(false);
    setReportViewFont(*RTB_);
    // Tab types a tab into the report; Ctrl+Tab leaves it, as in other text views.
    RTB_->installEventFilter(this);
}

void frmSave::addButtons()
{
    auto* save = addButton(this, "cmdSave", QStringLiteral("&Save"), kLayout.cmdSave);
    save->setFont(msSansSerif(8.25));
    connect(save, &QPushButton::clicked, this, &frmSave::cmdSave_Click);

    auto* print = addButton(this, "cmdPrint", QStringLiteral("&Print"), kLayout.cmdPrint);
    connect(print, &QPushButton::clicked, this, &frmSave::cmdPrint_Click);

    // Where the desktop offers no key that closes a window, this one does, as the close box.
    auto* close = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_W), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);

    setTabOrder(RTB_, print);
    setTabOrder(print, save);
}

void frmSave::addOffers()
{
    const PromotionLabels offers = addOfferPair(this, offerTexts(), verdana(8.25, true, true),
                                                kLayout.fraFullBrand, kLayout.offers);
    connect(offers.fullBrand, &LinkLabel::clicked, this, &frmSave::lblFullBrand_Click);
    connect(offers.coBrand, &LinkLabel::clicked, this, &frmSave::lblCobrand_Click);
}

// On a screen too short for the window, the report view gives up the height missing, down
// to a few lines, and what lies below it moves up by as much.
void frmSave::fitToScreen()
{
    const int fewLines = 4 * RTB_->fontMetrics().lineSpacing();
    const int shorter = std::min(heightBeyondScreen(*this), RTB_->height() - fewLines);
    if (shorter <= 0)
        return;
    const int viewBottom = RTB_->geometry().bottom();
    for (QWidget* control : findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control->y() > viewBottom)
            control->move(control->x(), control->y() - shorter);
    }
    RTB_->resize(RTB_->width(), RTB_->height() - shorter);
    setFixedSize(width(), height() - shorter);
}

// The wiring sees the view while it is still empty; then the report fills it, and the
// reader starts at its top. The report is where editing starts, not an edit to take back.
void frmSave::loadReport()
{
    wireReportLinks(platform_, RTB_);
    RTB_->setUndoRedoEnabled(false);
    fillReportView(*RTB_, composeReport(signProfile()));
    RTB_->setUndoRedoEnabled(true);
    RTB_->document()->setModified(false);
    RTB_->moveCursor(QTextCursor::Start);
}

// Only the close box closes the window, so Esc cannot throw away a note being typed; and
// with no default button, Enter reaches a button only when that button has the focus.
void frmSave::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Cancel))
        return;
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    auto* button = qobject_cast<QPushButton*>(focusWidget());
    if (enter && button && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        button->click();
        return;
    }
    QDialog::keyPressEvent(event);
}

// Every way of closing the window ends here: its close box, the desktop's close, Ctrl+W.
void frmSave::closeEvent(QCloseEvent* event)
{
    if (keepOpenForChanges())
        event->ignore();
    else
        QDialog::closeEvent(event);
}

// A report changed since it was composed or last saved is not closed away unasked: true
// when the user keeps it open, by Cancel or by a Save that did not save. Undoing every
// edit brings the report back to where it needs no question.
bool frmSave::keepOpenForChanges()
{
    if (!isVisible() || !RTB_->document()->isModified())
        return false;
    switch (
        platform_.showMessage({applicationTitle(),
                               QStringLiteral("The report has been changed.\r\n\r\n"
                                              "Do you want to save your changes?"),
                               MessageIcon::Warning, MessageButtons::SaveDiscardCancel, this})) {
    case MessageAnswer::Save:
        return !saveAs(ReportFormat::Rtf);
    case MessageAnswer::Discard:
        return false;
    default:
        return true;
    }
}

bool frmSave::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != RTB_ || event->type() != QEvent::KeyPress)
        return QDialog::eventFilter(watched, event);
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool tab = key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab;
    if (!tab || !(key->modifiers() & Qt::ControlModifier))
        return QDialog::eventFilter(watched, event);
    focusNextPrevChild(!(key->modifiers() & Qt::ShiftModifier) && key->key() == Qt::Key_Tab);
    return true;
}

void frmSave::cmdSave_Click()
{
    saveAs(ReportFormat::Rtf);
}

void frmSave::cmdPrint_Click()
{
    printWholeReport();
}

void frmSave::Label14_Click()
{
    openLink(platform_, LinkTarget::HomePage);
}

void frmSave::Label3_Click()
{
    openLink(platform_, LinkTarget::HomePage);
}

void frmSave::lblFullBrand_Click()
{
    openLink(platform_, LinkTarget::FullyBrandedPage);
}

void frmSave::lblCobrand_Click()
{
    openLink(platform_, LinkTarget::CoBrandPage);
}

// True when the report was written; Cancel in the dialog is no failure, but no save.
bool frmSave::saveAs(ReportFormat offeredFirst)
{
    const SaveDialogAnswer answer = platform_.askSaveFileName(
        {QStringLiteral("Save Your Rashi Details"), reportFilters(), int(offeredFirst), this});
    // An empty answer is the user's Cancel: nothing to do and nothing to say.
    return !answer.path.isEmpty() &&
           saveReport(answer.path, reportFormatFor(answer.path, answer.filter));
}

// Once written, the report is as saved: closing it asks nothing until it is edited again.
bool frmSave::saveReport(const QString& path, ReportFormat format)
{
    const QString reason = format == ReportFormat::Pdf ? savePdfFile(*RTB_, path)
                                                       : saveRtfFile(*RTB_->document(), path);
    if (reason.isEmpty()) {
        RTB_->document()->setModified(false);
        return true;
    }
    showFailure(QStringLiteral("The report could not be saved as \"%1\".\r\n\r\n%2")
                    .arg(QDir::toNativeSeparators(path), reason));
    return false;
}

// A selection would otherwise look as if only it were printed; the whole report always is.
void frmSave::printWholeReport()
{
    // The windows stay live while the print system is asked: one print at a time.
    if (printing_)
        return;
    const QScopedValueRollback<bool> printing(printing_, true);
    QTextCursor cursor = RTB_->textCursor();
    cursor.clearSelection();
    RTB_->setTextCursor(cursor);

    // Asking the print system may take seconds; the message, if any, comes after the wait.
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    bool noPrinter = false;
    const QString failure = printOnDefaultPrinter(noPrinter);
    QGuiApplication::restoreOverrideCursor();
    if (failure.isEmpty())
        return;
    if (noPrinter)
        offerPdfInstead(failure);
    else
        showFailure(failure);
}

// What went wrong, or nothing when the report was printed.
QString frmSave::printOnDefaultPrinter(bool& noPrinter)
{
    QString unanswered;
    const std::unique_ptr<QPrinter> printer = platform_.defaultPrinter(unanswered, this);
    // Closed while the print system was asked: nothing to print and nobody to tell.
    if (!isVisible())
        return QString();
    if (!unanswered.isEmpty())
        return QStringLiteral("The report could not be printed: %1. The report is still here; "
                              "please try again later.")
            .arg(unanswered);
    noPrinter = !printer;
    if (noPrinter)
        return QStringLiteral("The report could not be printed: there is no default printer. "
                              "Please set one up and try again.");
    if (!printReport(*RTB_, *printer) || printer->printerState() == QPrinter::Error)
        return QStringLiteral("The report could not be printed on the default printer.");
    return QString();
}

// Most desktops have no printer; the same pages can still be kept as a PDF.
void frmSave::offerPdfInstead(const QString& text)
{
    const MessageAnswer answer =
        platform_.showMessage({applicationTitle(), text, MessageIcon::Critical, MessageButtons::Ok,
                               this, QStringLiteral("Save as &PDF\u2026")});
    if (answer == MessageAnswer::Alternative)
        saveAs(ReportFormat::Pdf);
}

void frmSave::showFailure(const QString& text)
{
    platform_.showMessage(
        {applicationTitle(), text, MessageIcon::Critical, MessageButtons::Ok, this});
}

} // namespace qvz
