#include "ui/exit/ReferralForm.h"

#include "platform/Platform.h"

namespace qvz {

ReferralForm::ReferralForm(Platform& platform, QWidget* parent)
    : QGroupBox(QStringLiteral("Refer A Friend"), parent), m_platform(platform)
{
    setObjectName(QStringLiteral("Frame2"));
    setAccessibleName(QStringLiteral("Refer A Friend"));
}

} // namespace qvz
