// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/platform/QtPlatform.h"

#include "platform/SaveTarget.h"
#include "platform/SettingsStore.h"
#include "ui/common/Placement.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <future>
#include <thread>

namespace qvz {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

// A box wraps its text between words only; a longer word, such as a long path, gets
// places to break, so that the box never grows past the edge of the screen.
constexpr int longestUnbrokenRun = 40;

QString breakableText(const QString& text)
{
    QString broken;
    int run = 0;
    for (const QChar character : text) {
        broken += character;
        run = character.isSpace() ? 0 : run + 1;
        if (run == longestUnbrokenRun) {
            broken += QChar(0x200B); // zero-width space
            run = 0;
        }
    }
    return broken;
}

// Message texts may separate lines with a lone CR; Qt only breaks on LF.
QString displayText(QString text)
{
    return breakableText(text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
                             .replace(QLatin1Char('\r'), QLatin1Char('\n')));
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
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(settingsApplicationName() + QLatin1String(".lock"));
}

// Says why a chosen path cannot be saved to, if it cannot; true when it was refused.
bool refuseSaveTarget(QWidget* owner, const QString& title, const QString& path)
{
    const QString reason = saveTargetRefusal(path);
    if (reason.isEmpty())
        return false;
    QMessageBox::warning(owner, title,
                         displayText(QStringLiteral("The file cannot be saved as \"%1\".\n\n%2\n\n"
                                                    "Please choose another name or folder.")
                                         .arg(QDir::toNativeSeparators(path), reason)));
    return true;
}

// Qt opens a box without an owner on the monitor under the pointer; this one opens where
// the program's windows open. No Q_OBJECT, as below.
class MessageBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        QMessageBox::showEvent(event); // sizes the box to its text
        if (!parentWidget())
            placeWindow(*this);
    }
};

// Qt's own dialog refuses such a choice and stays open. No Q_OBJECT: a subclass with a
// meta-object of its own would never get the platform's native dialog.
class SaveFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    void accept() override
    {
        if (layout() && enterTypedFolder())
            return;
        const QString path = selectedFiles().value(0);
        // A native dialog (it has no layout) has already closed: askSaveFileName checks
        // its choice. A folder is entered, not refused.
        if (layout() && !QFileInfo(path).isDir() && refuseSaveTarget(this, windowTitle(), path))
            return;
        QFileDialog::accept();
    }

private:
    // Qt looks for a typed name's folder in the working folder, not the one shown, and
    // otherwise takes the name for a file: a folder's name typed here is entered.
    bool enterTypedFolder()
    {
        auto* name = findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (!name || name->text().isEmpty())
            return false;
        const QFileInfo folder(directory().absoluteFilePath(name->text()));
        if (!folder.isDir())
            return false;
        setDirectory(folder.absoluteFilePath());
        name->clear();
        return true;
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

constexpr std::chrono::seconds printerWait(10);

std::unique_ptr<QPrinter> lookUpDefaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    // Asks the print system for the printer's details too: part of the bounded wait.
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

// Why no file can be written into the folder, in the system's words.
QString writeFailure(const QString& folder)
{
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral("write-test-XXXXXX")));
    if (probe.open() && probe.write("x") == 1 && probe.flush())
        return QStringLiteral("the lock file could not be written");
    return probe.errorString();
}

} // namespace

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
    if (lock.error() == QLockFile::LockFailedError && lock.getLockInfo(&pid, &host, &application)) {
        // A lock that names this very process is no other copy's: it was left by an earlier
        // run whose process id has come round again. Every first process of a fresh Wine
        // gets the same id, and Windows reuses ids too; QLockFile then sees its owner alive.
        // A lock still held, even within this process, cannot be removed: it stays.
        return pid == QCoreApplication::applicationPid() && lock.removeStaleLockFile() &&
               lock.tryLock(0);
    }
    const QString folder = QFileInfo(lock.fileName()).absolutePath();
    const QString reason = lock.error() == QLockFile::LockFailedError
                               ? QStringLiteral("the lock file there cannot be read")
                               : writeFailure(folder);
    problem = QStringLiteral("The single-instance check was skipped: no lock can be taken in "
                             "\"%1\": %2.")
                  .arg(QDir::toNativeSeparators(folder), reason);
    return true;
}

MessageAnswer QtPlatform::showMessage(const MessageRequest& request)
{
    MessageBox box(toQtIcon(request.icon), request.caption, displayText(request.text),
                   QMessageBox::NoButton, request.owner);
    if (request.buttons == MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        return box.exec() == QMessageBox::Yes ? MessageAnswer::Yes : MessageAnswer::No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return MessageAnswer::Ok;
}

void QtPlatform::openAddress(const QString& address)
{
    QDesktopServices::openUrl(QUrl(address));
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
QString QtPlatform::askSaveFileName(const SaveDialogRequest& request)
{
    QString folder = lastSaveFolder_.isEmpty() ? documentsFolder() : lastSaveFolder_;
    QString name;
    for (;;) {
        SaveFileDialog dialog(request.owner, request.title, folder);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        dialog.setNameFilter(request.filter);
        dialog.setDefaultSuffix(request.defaultSuffix);
        dialog.selectFile(name);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return QString();
        const QString path = dialog.selectedFiles().constFirst();
        if (!refuseSaveTarget(request.owner, request.title, path)) {
            lastSaveFolder_ = QFileInfo(path).absolutePath();
            return path;
        }
        folder = existingFolderOf(path);
        if (folder.isEmpty())
            folder = documentsFolder();
        name = QDir(folder).relativeFilePath(path);
    }
}

// A print server that accepts the connection and never answers holds the print system
// for minutes, and neither Qt nor CUPS offers a shorter time-out. The query runs on a
// thread of its own, so the wait for it is bounded; an answer that comes too late is
// dropped with that thread.
std::unique_ptr<QPrinter> QtPlatform::defaultPrinter(QString& failure)
{
    using Query = std::packaged_task<std::unique_ptr<QPrinter>()>;
    auto query = std::make_shared<Query>(lookUpDefaultPrinter);
    std::future<std::unique_ptr<QPrinter>> answer = query->get_future();
    std::thread([query] { (*query)(); }).detach();
    if (answer.wait_for(printerWait) == std::future_status::ready)
        return answer.get();
    failure = QStringLiteral("the print system did not answer within %1 seconds")
                  .arg(std::chrono::seconds(printerWait).count());
    return nullptr;
}

void QtPlatform::endProcess(int status)
{
    // _Exit runs no destructors: without this the lock file would outlive every run.
    instanceLock_.reset();
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace qvz
