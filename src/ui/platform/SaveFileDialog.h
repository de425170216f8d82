// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QFileDialog>

class QLineEdit;

namespace qvz {

// The save dialog. Where Qt's own dialog is shown, the file chosen is exactly the name
// typed, read as the system reads it: relative to the folder shown, quotes and all (Qt
// would take double quotes for a list of names), with the default suffix when the name
// names no suffix that a filter offers. A typed folder is entered; a name that cannot be saved is
// refused, saying why, and the dialog stays open with the name in place; an existing file is
// replaced only when the user says so. A platform's native dialog closes on any choice.
//
// No Q_OBJECT: Qt offers the native dialog only to QFileDialog itself and to subclasses
// without a meta-object of their own (QFileDialog::DontUseNativeDialog).
class SaveFileDialog : public QFileDialog {
public:
    using QFileDialog::QFileDialog;

    // The file chosen, once the dialog has been accepted.
    QString chosenFile() const;

    void accept() override;

private:
    QLineEdit* nameBox() const;
    QString typedPath(const QString& typed) const;
    QString withDefaultSuffix(const QString& path) const;
    bool hasOfferedSuffix(const QString& path) const;
    bool enterFolder(const QString& path, QLineEdit& name);
    bool confirmReplacing(const QString& path);

    QString chosen_;
};

// The suffix a filter's pattern names: "rtf" for "Rich Text Format (*.rtf)".
QString filterSuffix(const QString& filter);

} // namespace qvz
