#pragma once

#include <QMainWindow>

namespace qvz {

class Platform;

// The main window: the topic list and the sixteen stacked topic panels.
class frmMain : public QMainWindow {
    Q_OBJECT

public:
    explicit frmMain(Platform& platform, QWidget* parent = nullptr);

private:
    Platform& platform_;
};

} // namespace qvz
