#include "app/core/WriteSettings.h"

#include "toolkit/profile/Profile.h"

namespace {

constexpr const char* kVerifyPath = "Option/VerifyWrite";
constexpr const char* kBackupPath = "Option/BackupBeforeWrite";
constexpr const char* kCountPath = "Option/BackupCount";

} // namespace

CWriteSettings LoadWriteSettings(GT::IProfile& profile) {
    CWriteSettings settings;
    settings.verify = profile.GetInt(kVerifyPath, 1) != 0;
    settings.backup = profile.GetInt(kBackupPath, 1) != 0;
    const int count = profile.GetInt(kCountPath, CWriteSettings::kDefaultBackupCount);
    settings.backupCount = count >= 1 ? count : CWriteSettings::kDefaultBackupCount;
    return settings;
}

bool SaveVerifyWrites(GT::IProfile& profile, bool on) { return profile.WriteInt(kVerifyPath, on ? 1 : 0); }

bool SaveBackUpBeforeWriting(GT::IProfile& profile, bool on) { return profile.WriteInt(kBackupPath, on ? 1 : 0); }
