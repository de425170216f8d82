// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QLabel>

namespace qvz {

// A label that acts as a link: hand cursor, and one signal per left click, or per Enter
// or Space while it has the focus. Only Tab gives it the focus, which it shows with a frame.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& name, const QString& text, const QColor& colour, QWidget* parent);

    // Puts this label in front of one that lies on the same place; only the label in
    // front is seen, so only it takes the focus.
    void bringInFrontOf(LinkLabel* behind);

    // Lets a web address in the text wrap after any of its dots, as a long host name must
    // in a narrow label. The text read out and copied stays exactly the address.
    void wrapAfterDots();

    // The text as it is laid out: with the places where a line may end after a dot.
    QString shownText() const;

    int heightForWidth(int width) const override;

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void drawShownText();

    bool pressed_ = false;
    bool wrapsAfterDots_ = false;
};

} // namespace qvz
