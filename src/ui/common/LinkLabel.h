// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT

#pragma once

#include <QColor>
#include <QLabel>

namespace qvz {

// A label that acts as a link: hand cursor, and one signal per left click.
class LinkLabel : public QLabel {
    Q_OBJECT

public:
    LinkLabel(const QString& name, const QString& text, const QColor& colour, QWidget* parent);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
};

} // namespace qvz
