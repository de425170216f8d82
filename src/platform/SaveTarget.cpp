// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#include "platform/SaveTarget.h"

#include <QFileInfo>

#ifdef Q_OS_UNIX
#include <QRandomGenerator>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif
#ifdef Q_OS_LINUX
#include <sys/xattr.h>
#endif
#ifndef Q_OS_UNIX
#include <QSaveFile>
#endif

namespace qvz {

namespace {

// By the permission bits as well, so that a file marked read-only stays so even for a
// user whom the system would let replace it (root).
bool readOnly(const QFileInfo& info)
{
    return !info.isWritable() ||
           !(info.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther));
}

// Windows marks folders such as Documents read-only to keep their look, and they still
// take new files; there the write itself tells.
bool writeProtected(const QFileInfo& folder)
{
#ifdef Q_OS_WIN
    Q_UNUSED(folder);
    return false;
#else
    return readOnly(folder);
#endif
}

bool forbidden(QChar character, NameRules rules)
{
    if (character.unicode() == 0)
        return true;
    return rules == NameRules::Windows &&
           (character.unicode() < 32 || QStringView(u"\"<>:|?*").contains(character));
}

#ifdef Q_OS_UNIX

QString systemError(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

// The file that a save to path replaces: a link is followed, as the system follows it
// (a link to a link as well), so that the link stays and leads to the new file.
QString replacedFile(const QString& path)
{
    QString file = path;
    for (int hop = 0; hop < 40 && QFileInfo(file).isSymLink(); ++hop)
        file = QFileInfo(file).symLinkTarget();
    return file;
}

// A new file beside the one it is to replace. Until it has taken the old file's mode only
// its owner may read it; a file that replaces none takes the mode the folder and the
// user's umask give new files.
int createBeside(const QByteArray& target, bool replacing, QByteArray& name)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        name = target + '.' + QByteArray::number(QRandomGenerator::global()->generate(), 36);
        const int file = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC,
                                replacing ? 0600 : 0666);
        if (file >= 0 || errno != EEXIST)
            return file;
    }
    return -1;
}

bool writeAll(int file, const QByteArray& contents)
{
    const char* data = contents.constData();
    qsizetype left = contents.size();
    while (left > 0) {
        const ssize_t written = ::write(file, data, size_t(left));
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0) {
            if (written == 0)
                errno = ENOSPC;
            return false;
        }
        data += written;
        left -= written;
    }
    return true;
}

#ifdef Q_OS_LINUX
bool readAttribute(const QByteArray& file, const QByteArray& name, QByteArray& value)
{
    const ssize_t size = ::getxattr(file.constData(), name.constData(), nullptr, 0);
    if (size < 0)
        return false;
    value.resize(size);
    return ::getxattr(file.constData(), name.constData(), value.data(), size_t(size)) == size;
}

// Every attribute the file system lets this user set again: those of the user always, an
// access control list, and those of the system where the user has the right.
void copyExtendedAttributes(const QByteArray& from, int to)
{
    const ssize_t size = ::listxattr(from.constData(), nullptr, 0);
    if (size <= 0)
        return;
    QByteArray names(size, '\0');
    const ssize_t listed = ::listxattr(from.constData(), names.data(), size_t(size));
    QByteArray value;
    for (const QByteArray& name : names.left(qMax<ssize_t>(listed, 0)).split('\0')) {
        if (!name.isEmpty() && readAttribute(from, name, value))
            ::fsetxattr(to, name.constData(), value.constData(), size_t(value.size()), 0);
    }
}
#endif

// What the replaced file had, as far as the system lets this user give it: its owner
// (root only), its group (one of the user's own), its mode, then its extended attributes,
// whose access control list must come after the mode. None of them fails the save.
void takeOverFrom(const QByteArray& old, const struct stat& status, int file)
{
    if (::fchown(file, status.st_uid, status.st_gid) != 0 &&
        ::fchown(file, uid_t(-1), status.st_gid) != 0) {
        // Not a group of this user's: the file is in the user's own group.
    }
    ::fchmod(file, status.st_mode & 07777);
#ifdef Q_OS_LINUX
    copyExtendedAttributes(old, file);
#else
    Q_UNUSED(old);
#endif
}

// The new file is given up, and the reason is the system's.
QString dropped(const QByteArray& temporary, int error)
{
    ::unlink(temporary.constData());
    return systemError(error);
}

// QSaveFile offers no handle to its new file before it replaces the old one, so the new
// file is written here, given what the old one had, flushed to the disk and renamed over.
QString replaceFile(const QString& path, const QByteArray& contents)
{
    const QByteArray target = QFile::encodeName(replacedFile(path));
    struct stat old {};
    const bool replacing = ::stat(target.constData(), &old) == 0;
    QByteArray temporary;
    const int file = createBeside(target, replacing, temporary);
    if (file < 0)
        return systemError(errno);
    if (replacing)
        takeOverFrom(target, old, file);
    if (!writeAll(file, contents) || ::fsync(file) != 0) {
        const int error = errno;
        ::close(file);
        return dropped(temporary, error);
    }
    if (::close(file) != 0 || ::rename(temporary.constData(), target.constData()) != 0)
        return dropped(temporary, errno);
    return QString();
}

#else

QString replaceFile(const QString& path, const QByteArray& contents)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return file.errorString();
    if (file.write(contents) != contents.size()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return reason;
    }
    if (!file.commit())
        return file.errorString();
    return QString();
}

#endif

} // namespace

QString forbiddenCharacterRefusal(const QString& path, NameRules rules)
{
    const bool drive = rules == NameRules::Windows && path.size() >= 2 &&
                       path.at(1) == QLatin1Char(':') && path.at(0).isLetter();
    for (qsizetype i = drive ? 2 : 0; i < path.size(); ++i) {
        const QChar character = path.at(i);
        if (!forbidden(character, rules))
            continue;
        const QString code =
            QStringLiteral("U+%1").arg(character.unicode(), 4, 16, QLatin1Char('0')).toUpper();
        return QStringLiteral("A name cannot contain the character %1.")
            .arg(character.isPrint() ? QString(character) + QStringLiteral(" (") + code + ')'
                                     : code);
    }
    return QString();
}

// A device or a folder is never swapped for a file by the writer's atomic rename, and
// that rename needs a folder it may write to.
QString saveTargetRefusal(const QString& path)
{
    const QString forbiddenCharacter = forbiddenCharacterRefusal(path);
    if (!forbiddenCharacter.isEmpty())
        return forbiddenCharacter;
    const QFileInfo target(path);
    const QFileInfo folder(target.absolutePath());
    if (!folder.isDir())
        return QStringLiteral("The folder does not exist.");
    if (writeProtected(folder))
        return QStringLiteral("The folder is write-protected.");
    if (!target.exists())
        return QString();
    if (!target.isFile())
        return QStringLiteral("It is not an ordinary file.");
    if (readOnly(target))
        return QStringLiteral("The file is read-only.");
    return QString();
}

QString saveFileAtomically(const QString& path, const QByteArray& contents)
{
    // Refused before anything is written, whatever the save dialog found earlier.
    const QString refusal = saveTargetRefusal(path);
    if (!refusal.isEmpty())
        return refusal;
    return replaceFile(path, contents);
}

} // namespace qvz
