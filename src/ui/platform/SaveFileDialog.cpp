// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#include "ui/platform/SaveFileDialog.h"

#include "ui/platform/QtPlatform.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QRegularExpression>
#include <algorithm>

#ifdef Q_OS_UNIX
#include <pwd.h>
#endif

namespace qvz {

namespace {

// "~" or "~user" at the start of a name stands for a home folder, as Qt's own dialog
// reads it on these systems; an unknown user's name stays as typed.
QString withHomeFolder(const QString& name)
{
#ifdef Q_OS_UNIX
    if (!name.startsWith(QLatin1Char('~')))
        return name;
    const qsizetype end = name.indexOf(QLatin1Char('/'));
    const QString user = name.mid(1, end < 0 ? -1 : end - 1);
    QString home = QDir::homePath();
    if (!user.isEmpty()) {
        const passwd* entry = ::getpwnam(QFile::encodeName(user).constData());
        if (!entry)
            return name;
        home = QFile::decodeName(entry->pw_dir);
    }
    return home + (end < 0 ? QString() : name.mid(end));
#else
    return name;
#endif
}

} // namespace

QString SaveFileDialog::chosenFile() const
{
    return chosen_.isEmpty() ? selectedFiles().value(0) : chosen_;
}

void SaveFileDialog::accept()
{
    QLineEdit* name = nameBox();
    if (!name || name->text().isEmpty()) {
        // A native dialog has closed with its choice, which askSaveFileName checks; with
        // no name typed, Qt's own dialog enters the folder chosen in its list.
        QFileDialog::accept();
        return;
    }
    const QString typed = typedPath(name->text());
    const QString path = withDefaultSuffix(typed);
    if (enterFolder(typed, *name) || enterFolder(path, *name))
        return;
    if (refuseSaveTarget(this, windowTitle(), path) || !confirmReplacing(path))
        return;
    chosen_ = path;
    QDialog::accept();
}

// The one place that leans on how Qt builds its own dialog. That a native dialog has no
// widgets, and so no layout, is documented for QFileDialog. That Qt's own dialog (Qt 6.4)
// has exactly one line edit of its own, the name box, is not; and no call reads the name
// as typed, since selectedFiles() splits it at double quotes. tst_frmsave's names with
// quotes fail when this no longer holds.
QLineEdit* SaveFileDialog::nameBox() const
{
    if (!layout())
        return nullptr;
    const QList<QLineEdit*> boxes = findChildren<QLineEdit*>(QString(), Qt::FindDirectChildrenOnly);
    return boxes.size() == 1 ? boxes.first() : nullptr;
}

// Relative to the folder shown, where Qt's own dialog would look in the working folder
// for a typed folder. A "~" is a home folder unless the folder shown has such a name.
QString SaveFileDialog::typedPath(const QString& typed) const
{
    const QDir shown = directory();
    const QString name = QDir::fromNativeSeparators(typed);
    const QString asTyped = shown.absoluteFilePath(name);
    return QFileInfo::exists(asTyped) ? asTyped : shown.absoluteFilePath(withHomeFolder(name));
}

// As Qt's own dialog has it: a file name without any dot gets the default suffix.
QString SaveFileDialog::withDefaultSuffix(const QString& path) const
{
    const QString suffix = defaultSuffix();
    if (suffix.isEmpty() || hasOfferedSuffix(path))
        return path;
    return path + QLatin1Char('.') + suffix;
}

// A name ending in a suffix that one of the filters offers, in any case, says its format;
// any other ("libra.txt") gets the chosen filter's, so that no file is one format under a
// name that says another.
bool SaveFileDialog::hasOfferedSuffix(const QString& path) const
{
    const QString suffix = QFileInfo(path).suffix();
    const QStringList filters = nameFilters();
    return std::any_of(filters.begin(), filters.end(), [&](const QString& filter) {
        return filterSuffix(filter).compare(suffix, Qt::CaseInsensitive) == 0;
    });
}

// The folder is shown, and the name box emptied so that the next name typed is not
// added to the folder's.
bool SaveFileDialog::enterFolder(const QString& path, QLineEdit& name)
{
    const QFileInfo folder(path);
    if (!folder.isDir())
        return false;
    setDirectory(folder.absoluteFilePath());
    name.clear();
    return true;
}

// The question names the very file that would be replaced; No goes back to the dialog.
bool SaveFileDialog::confirmReplacing(const QString& path)
{
    const QFileInfo file(path);
    if (!file.exists() || testOption(DontConfirmOverwrite))
        return true;
    return QMessageBox::warning(this, windowTitle(),
                                QFileDialog::tr("%1 already exists.\nDo you want to replace it?")
                                    .arg(file.fileName()),
                                QMessageBox::Yes | QMessageBox::No,
                                QMessageBox::No) == QMessageBox::Yes;
}

QString filterSuffix(const QString& filter)
{
    static const QRegularExpression pattern(QStringLiteral("\\*\\.(\\w+)"));
    return pattern.match(filter).captured(1);
}

} // namespace qvz
