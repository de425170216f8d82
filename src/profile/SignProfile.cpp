#include "profile/SignProfile.h"

namespace qvz {

namespace {

SignProfile& profileRecord()
{
    static SignProfile profile;
    return profile;
}

} // namespace

const SignProfile& signProfile()
{
    return profileRecord();
}

void fillSignProfile()
{
    SignProfile& p = profileRecord();
    p.signName = QStringLiteral("Libra");
}

} // namespace qvz
