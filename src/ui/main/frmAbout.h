// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace qvz {

class Platform;

// The about window: names the program, describes it and offers two pages of the
// maker's web site. It keeps nothing between openings; the caller makes a new one
// for each.
class frmAbout : public QDialog {
    Q_OBJECT

public:
    explicit frmAbout(Platform& platform, QWidget* parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void addPicture();
    void addTexts();
    void addLinks();
    void addRule();
    void addOkButton();

    void lblHomePage_Click();
    void lblCoBrand_Click();

    Platform& platform_;
    QPushButton* cmdOK_ = nullptr;
};

} // namespace qvz
