// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include "report/ReportFormat.h"

#include <QDialog>

class QCloseEvent;
class QKeyEvent;
class QPushButton;
class QTextEdit;

namespace qvz {

class LinkLabel;
class Platform;

// The report window: the whole profile as one formatted document, which the user may
// edit, save as RTF or PDF and print, and links to the maker's site. The caller makes a new
// one for each opening; nothing is kept between openings.
class frmSave : public QDialog {
    Q_OBJECT

public:
    explicit frmSave(Platform& platform, QWidget* parent = nullptr);

    // The report view, RTB.
    QTextEdit* view() const { return RTB_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addLinks();
    void addView();
    void addButtons();
    void addOffers();
    void fitToScreen();
    void loadReport();

    void cmdSave_Click();
    void cmdPrint_Click();
    void Label14_Click();
    void Label3_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();

    bool keepOpenForChanges();
    bool saveAs(ReportFormat offeredFirst);
    bool saveReport(const QString& path, ReportFormat format);
    void printWholeReport();
    QString printOnDefaultPrinter(bool& noPrinter);
    void offerPdfInstead(const QString& text);
    void showFailure(const QString& text);

    Platform& platform_;
    QTextEdit* RTB_ = nullptr;
    bool printing_ = false;
};

} // namespace qvz
