#pragma once
// The program's version strings, and whether the profile was last written by
// another version (then saved window and bar layouts are not applied).
#include "toolkit/profile/Profile.h"

#include <string>
#include <string_view>

namespace UL {

// "FileDescription", "FileVersion", "ProductVersion" or "LegalCopyright";
// any other name gives the empty string.
std::string GetVersionString(std::string_view name);

// True when the profile's "Version/FileVersion" (empty when missing) differs
// from GetVersionString("FileVersion").
bool IsProfileVersionChanged(GT::IProfile& profile);

} // namespace UL
