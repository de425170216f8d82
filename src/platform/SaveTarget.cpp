// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#include "platform/SaveTarget.h"

#include <QFileInfo>
#include <QSaveFile>

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

} // namespace

// A device or a folder is never swapped for a file by the writer's atomic rename, and
// that rename needs a folder it may write to.
QString saveTargetRefusal(const QString& path)
{
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

} // namespace qvz
