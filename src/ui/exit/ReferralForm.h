// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QGroupBox>
#include <QHash>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace qvz {

class Platform;
struct ReferralRequest;

// The refer-a-friend frame of the exit screen: four visible boxes, a message box hidden
// below the frame's edge and reachable only by Tab, and the button that submits them.
class ReferralForm : public QGroupBox {
    Q_OBJECT

public:
    ReferralForm(Platform& platform, QWidget* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* addLineEdit(const QString& name, const QString& placeholder, const QRect& rect);
    QPlainTextEdit* addMessageBox();
    QPushButton* addSubmitButton();
    void setTabOrder();

    void enterBox(QWidget* box);
    void leaveBox(QWidget* box);
    bool refuseSpace(QWidget* box, QEvent* event);
    ReferralRequest enteredTexts() const;
    void submit();

    Platform& platform_;
    QLineEdit* txtName_ = nullptr;
    QLineEdit* txtEmail_ = nullptr;
    QLineEdit* txtFriendName_ = nullptr;
    QLineEdit* txtFriendEmail_ = nullptr;
    QPlainTextEdit* txtMessage_ = nullptr;
    QPushButton* cmdSubmit_ = nullptr;
    // The text each box shows while it holds nothing of the user's.
    QHash<QObject*, QString> placeholders_;
};

} // namespace qvz
