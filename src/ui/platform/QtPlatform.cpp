// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/platform/QtPlatform.h"

#include "platform/SaveTarget.h"
#include "platform/SettingsStore.h"
#include "ui/common/Placement.h"
#include "ui/platform/MessageText.h"
#include "ui/platform/PrinterQuery.h"
#include "ui/platform/SaveFileDialog.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QTimer>
#include <QUrl>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace qvz {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    switch (icon) {
    case MessageIcon::Warning:
        return QMessageBox::Warning;
    case MessageIcon::Critical:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Information;
    }
}

void setButtons(QMessageBox& box, MessageButtons buttons)
{
    switch (buttons) {
    case MessageButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        break;
    case MessageButtons::SaveDiscardCancel:
        box.setStandardButtons(QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
        box.setDefaultButton(QMessageBox::Save);
        break;
    default:
        box.setStandardButtons(QMessageBox::Ok);
    }
}

MessageAnswer toAnswer(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Save:
        return MessageAnswer::Save;
    case QMessageBox::Discard:
        return MessageAnswer::Discard;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

// Message texts may separate lines with a lone CR; Qt only breaks on LF.
QString displayText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString instanceLockPath()
{
    // Windows has no per-user runtime folder (Qt answers the home folder there, among the
    // user's documents); its per-user temporary folder holds such state instead.
#ifdef Q_OS_WIN
    QString folder = QStandardPaths::writableLocation(QStandardPaths::TempLocation);
#else
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
#endif
    QString name = settingsApplicationName();
    // Without a runtime folder of the user's own (anybody may create /tmp/runtime-<user>
    // first), the shared temporary folder holds the lock, under a name of this user's.
    if (folder.isEmpty()) {
        folder = QDir::tempPath();
#ifdef Q_OS_UNIX
        name += QLatin1Char('-') + QString::number(::geteuid());
#endif
    }
    return QDir(folder).filePath(name + QLatin1String(".lock"));
}

// Another user may have put a file where this user's lock belongs; it guards nothing.
bool ownedByAnotherUser(const QString& path)
{
#ifdef Q_OS_UNIX
    const QFileInfo info(path);
    return info.exists() && info.ownerId() != ::geteuid();
#else
    Q_UNUSED(path);
    return false;
#endif
}

// Qt opens a box without an owner on the monitor under the pointer; this one opens where
// the program's windows open, and its text wraps within the screen.
class MessageBox : public QMessageBox {
public:
    MessageBox(Icon icon, const QString& caption, const QString& text, QWidget* owner)
        : QMessageBox(icon, caption, text, QMessageBox::NoButton, owner)
    {
        wrapAnywhere(*this);
    }

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // sizes the box to its text
        if (!parentWidget())
            placeWindow(*this);
    }
};

// Where the first save dialog of a run opens.
QString documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

// Where to look again after a refused choice: its folder, or the nearest one that exists.
// A root is its own parent, and one that does not exist (a drive or share that is gone)
// ends the walk with nothing found.
QString existingFolderOf(const QString& path)
{
    QString folder = QFileInfo(path).absolutePath();
    while (!QFileInfo(folder).isDir()) {
        const QString parent = QFileInfo(folder).absolutePath();
        if (parent == folder)
            return QString();
        folder = parent;
    }
    return folder;
}

// Offers the filters with one chosen; a name typed without a suffix gets the suffix of
// the filter chosen when the dialog is answered.
void offerFilters(QFileDialog& dialog, const QStringList& filters, int chosen)
{
    dialog.setNameFilters(filters);
    dialog.selectNameFilter(filters.value(chosen));
    dialog.setDefaultSuffix(filterSuffix(filters.value(chosen)));
    QObject::connect(
        &dialog, &QFileDialog::filterSelected, &dialog,
        [&dialog](const QString& filter) { dialog.setDefaultSuffix(filterSuffix(filter)); });
}

// Ends a wait when the window it is for is closed, before anything else can happen; the
// code that waits then unwinds while that window still exists.
class EndWhenHidden : public QObject {
public:
    EndWhenHidden(QWidget* window, QEventLoop& wait) : wait_(wait)
    {
        if (window)
            window->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Hide)
            wait_.quit();
        return false;
    }

private:
    QEventLoop& wait_;
};

// Why no file can be written into the folder, in the system's words.
QString writeFailure(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("write-test-XXXXXX")));
    if (probe.open() && probe.write("x") == 1 && probe.flush())
        return QStringLiteral("the lock file could not be written");
    return probe.errorString();
}

} // namespace

bool refuseSaveTarget(QWidget* owner, const QString& title, const QString& path)
{
    const QString reason = saveTargetRefusal(path);
    if (reason.isEmpty())
        return false;
    MessageBox box(QMessageBox::Warning, title,
                   displayText(QStringLiteral("The file cannot be saved as \"%1\".\n\n%2\n\n"
                                              "Please choose another name or folder.")
                                   .arg(QDir::toNativeSeparators(path), reason)),
                   owner);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return true;
}

// Only a live copy holding the lock refuses a start. A lock left by a killed process is
// taken over; a lock that cannot be taken at all leaves nothing to protect, and the
// user would otherwise be locked out of the program.
bool takeInstanceLock(QLockFile& lock, QString& problem)
{
    lock.setStaleLockTime(0);
    if (lock.tryLock(0))
        return true;
    qint64 pid = 0;
    QString host;
    QString application;
    const bool anotherUsers = ownedByAnotherUser(lock.fileName());
    if (lock.error() == QLockFile::LockFailedError && !anotherUsers &&
        lock.getLockInfo(&pid, &host, &application)) {
        // A lock that names this very process is no other copy's: it was left by an earlier
        // run whose process id has come round again. Every first process of a fresh Wine
        // gets the same id, and Windows reuses ids too; QLockFile then sees its owner alive.
        // A lock still held, even within this process, cannot be removed: it stays.
        return pid == QCoreApplication::applicationPid() && lock.removeStaleLockFile() &&
               lock.tryLock(0);
    }
    const QString folder = QFileInfo(lock.fileName()).absolutePath();
    const QString reason = lock.error() != QLockFile::LockFailedError ? writeFailure(folder)
                           : anotherUsers ? QStringLiteral("the lock file there is another user's")
                                          : QStringLiteral("the lock file there cannot be read");
    problem = QStringLiteral("The single-instance check was skipped: no lock can be taken in "
                             "\"%1\": %2.")
                  .arg(QDir::toNativeSeparators(folder), reason);
    return true;
}

MessageAnswer QtPlatform::showMessage(const MessageRequest& request)
{
    MessageBox box(toQtIcon(request.icon), request.caption, displayText(request.text),
                   request.owner);
    setButtons(box, request.buttons);
    QPushButton* alternative = request.alternative.isEmpty()
                                   ? nullptr
                                   : box.addButton(request.alternative, QMessageBox::AcceptRole);
    if (alternative) {
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Ok);
    }
    const int button = box.exec();
    return alternative && box.clickedButton() == alternative ? MessageAnswer::Alternative
                                                             : toAnswer(button);
}

bool QtPlatform::openAddress(const QString& address)
{
    return QDesktopServices::openUrl(QUrl(address));
}

QDate QtPlatform::today() const
{
    return QDate::currentDate();
}

void QtPlatform::seedRandomFromClock()
{
    const auto ticks = std::chrono::system_clock::now().time_since_epoch().count();
    generator_.seed(static_cast<std::mt19937::result_type>(ticks));
}

float QtPlatform::nextRandom()
{
    // 24 random bits scaled by 2^-24: every float step in [0, 1), never 1 itself.
    return static_cast<float>(generator_() >> 8) * (1.0f / 16777216.0f);
}

QString QtPlatform::readSetting(const QString& key)
{
    return SettingsStore().read(key);
}

bool QtPlatform::saveSetting(const QString& key, const QString& value)
{
    return SettingsStore().save(key, value);
}

bool QtPlatform::acquireInstanceLock()
{
    instanceLock_ = std::make_unique<QLockFile>(instanceLockPath());
    QString problem;
    const bool alone = takeInstanceLock(*instanceLock_, problem);
    if (!problem.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(problem));
    return alone;
}

// The dialog opens where the user last saved in this run, or else in the documents. A
// native dialog closes on any choice; a refused one is explained and the dialog opens
// again in the chosen folder with the typed name, as Qt's own dialog stays there.
SaveDialogAnswer QtPlatform::askSaveFileName(const SaveDialogRequest& request)
{
    QString folder = lastSaveFolder_.isEmpty() ? documentsFolder() : lastSaveFolder_;
    QString name;
    int filter = request.filter;
    for (;;) {
        SaveFileDialog dialog(request.owner, request.title, folder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        offerFilters(dialog, request.filters, filter);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.chosenFile().isEmpty())
            return {};
        const QString path = dialog.chosenFile();
        filter = std::max(0, int(request.filters.indexOf(dialog.selectedNameFilter())));
        if (!refuseSaveTarget(request.owner, request.title, path)) {
            lastSaveFolder_ = QFileInfo(path).absolutePath();
            return {path, filter};
        }
        folder = existingFolderOf(path);
        if (folder.isEmpty())
            folder = documentsFolder();
        name = QDir(folder).relativeFilePath(path);
    }
}

// A print server that accepts the connection and never answers holds the print system
// for minutes, and neither Qt nor CUPS offers a shorter time-out. So a child process asks
// it, while the windows go on being drawn and used; one that does not answer in time is
// ended. The printer is then set up here, from the name the child found.
std::unique_ptr<QPrinter> QtPlatform::defaultPrinter(QString& failure, QWidget* owner)
{
    QProcess query;
    printerQuery_ = &query;
    const auto endQuery = qScopeGuard([&query] {
        query.kill();
        query.waitForFinished();
    });
    QEventLoop wait;
    const EndWhenHidden closing(owner, wait);
    QObject::connect(&query, &QProcess::finished, &wait, &QEventLoop::quit);
    QObject::connect(&query, &QProcess::errorOccurred, &wait, &QEventLoop::quit);
    QTimer::singleShot(printerWait_, &wait, &QEventLoop::quit);
    query.start(QCoreApplication::applicationFilePath(), printerQueryArguments(),
                QIODevice::ReadOnly);
    if (query.waitForStarted())
        wait.exec();
    if (owner && !owner->isVisible())
        return nullptr;
    if (query.state() != QProcess::NotRunning) {
        failure = QStringLiteral("the print system did not answer within %1 seconds")
                      .arg(std::chrono::duration<double>(printerWait_).count());
        return nullptr;
    }
    if (query.error() != QProcess::UnknownError || query.exitCode() != 0) {
        failure = QStringLiteral("the print system could not be asked");
        return nullptr;
    }
    const QString name = QString::fromUtf8(query.readAllStandardOutput());
    const QPrinterInfo printer = name.isEmpty() ? QPrinterInfo() : QPrinterInfo::printerInfo(name);
    if (printer.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(printer, QPrinter::HighResolution);
}

void QtPlatform::endProcess(int status)
{
    // _Exit runs no destructors: without this the lock file would outlive every run.
    instanceLock_.reset();
    // A print system still being asked is given up on with the program.
    if (printerQuery_)
        printerQuery_->kill();
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace qvz
