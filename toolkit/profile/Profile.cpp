#include "toolkit/profile/Profile.h"

#include "toolkit/profile/IniProfile.h"

namespace GT {

IProfile& GetProfile() {
    static CIniProfile profile;
    return profile;
}

} // namespace GT
