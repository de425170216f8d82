#pragma once

#include <QGroupBox>

namespace qvz {

class Platform;

// The refer-a-friend frame of the exit screen.
class ReferralForm : public QGroupBox {
    Q_OBJECT

public:
    ReferralForm(Platform& platform, QWidget* parent);

private:
    Platform& m_platform;
};

} // namespace qvz
