// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class QCheckBox;
class QLabel;

namespace qvz {

class Platform;

// The exit screen: the last window of a run. It asks for support of the maker's
// board, holds the refer-a-friend form, and ends the program however it is closed.
class frmNagScreen2 : public QWidget {
    Q_OBJECT

public:
    // It opens on the monitor that shows most of the main window, if given.
    explicit frmNagScreen2(Platform& platform, const QRect& mainWindow = QRect(),
                           QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void setUpWindow();
    void addCaption();
    void addSupportMessage();
    void addVisitBox();
    void addExitButton();
    void addReferralForm();
    void addSoftwaresFrame();
    void chooseSupportMessage();

    void Check1_Click();
    void lblGoToHome_Click();
    void cmdClose_Click();

    Platform& platform_;
    QLabel* lblNagScreen2Caption_ = nullptr;
    QLabel* picNagscreen2Icon_ = nullptr;
    QLabel* Label2_ = nullptr;
    QCheckBox* Check1_ = nullptr;
};

} // namespace qvz
