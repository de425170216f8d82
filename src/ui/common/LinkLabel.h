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

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace qvz
