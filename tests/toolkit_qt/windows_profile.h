#pragma once
// A profile in a temporary INI file, gone with the test.
#include "toolkit/profile/IniProfile.h"

#include <QTemporaryDir>

#include <memory>

namespace test {

class TempProfile {
public:
    TempProfile() : profile_(std::make_unique<GT::CIniProfile>(dir_.filePath("profile.ini").toStdString())) {}
    GT::IProfile& operator*() { return *profile_; }
    GT::IProfile* operator->() { return profile_.get(); }

private:
    QTemporaryDir dir_;
    std::unique_ptr<GT::CIniProfile> profile_;
};

} // namespace test
