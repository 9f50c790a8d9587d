#include "toolkit/profile/VersionInfo.h"

#include "zm47_version.h"

namespace UL {

std::string GetVersionString(std::string_view name) {
    if (name == "FileDescription")
        return ZM47_FILE_DESCRIPTION;
    if (name == "FileVersion")
        return ZM47_FILE_VERSION;
    if (name == "ProductVersion")
        return ZM47_PRODUCT_VERSION;
    if (name == "LegalCopyright")
        return ZM47_LEGAL_COPYRIGHT;
    if (name == "License")
        return ZM47_LICENSE;
    return {};
}

bool IsProfileVersionChanged(GT::IProfile& profile) {
    return profile.GetString("Version/FileVersion", "") != GetVersionString("FileVersion");
}

} // namespace UL
