// SPDX-FileCopyrightText: 2026 Orvane Softwares
// SPDX-License-Identifier: MIT
#pragma once

#include "profile/SignProfile.h"

#include <QList>

class QWidget;

namespace qvz {

// A read-only box of the main window and the profile field it shows, as the topic
// catalogue binds them.
struct ProfileBox {
    QWidget* box;
    QString SignProfile::*field;
};

using ProfileBoxes = QList<ProfileBox>;

} // namespace qvz
