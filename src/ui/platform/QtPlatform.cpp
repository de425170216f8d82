#include "ui/platform/QtPlatform.h"

#include "platform/SettingsStore.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QStandardPaths>
#include <QUrl>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace qvz {

namespace {

QMessageBox::Icon toQtIcon(MessageIcon icon)
{
    return icon == MessageIcon::Critical ? QMessageBox::Critical : QMessageBox::Information;
}

// Message texts may separate lines with a lone CR; Qt only breaks on LF.
QString displayText(QString text)
{
    return text.replace(QLatin1String("\r\n"), QLatin1String("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

QString instanceLockPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder.isEmpty())
        folder = QDir::tempPath();
    return QDir(folder).filePath(settingsApplicationName() + QLatin1String(".lock"));
}

} // namespace

MessageAnswer QtPlatform::showMessage(const MessageRequest& request)
{
    QMessageBox box(toQtIcon(request.icon), request.caption, displayText(request.text),
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
    // Only a live owner counts: a lock left by a killed process is taken over.
    instanceLock_->setStaleLockTime(0);
    return instanceLock_->tryLock(0);
}

QString QtPlatform::askSaveFileName(const SaveDialogRequest& request)
{
    QFileDialog dialog(request.owner, request.title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.selectFile(QString());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return QString();
    return dialog.selectedFiles().constFirst();
}

std::unique_ptr<QPrinter> QtPlatform::defaultPrinter()
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

void QtPlatform::endProcess(int status)
{
    std::fflush(nullptr);
    std::_Exit(status);
}

} // namespace qvz
