#pragma once
// How Write All and Write Selected protect the unit's patches, kept in
// section "Option" of the profile: "VerifyWrite" (read the written patches
// back and compare, default 1), "BackupBeforeWrite" (save the patches about
// to be overwritten first, default 1) and "BackupCount" (how many backups
// are kept, newest first, default 50).
namespace GT {
class IProfile;
}

struct CWriteSettings {
    static constexpr int kDefaultBackupCount = 50;

    bool verify = true;
    bool backup = true;
    int backupCount = kDefaultBackupCount;
};

// A stored count below 1 keeps the default: a backup is never deleted the
// moment it is made.
CWriteSettings LoadWriteSettings(GT::IProfile& profile);
bool SaveVerifyWrites(GT::IProfile& profile, bool on);
bool SaveBackUpBeforeWriting(GT::IProfile& profile, bool on);
