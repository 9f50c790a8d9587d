#pragma once
// The profile as an INI file kept by QSettings. A path is split at its first
// '/' into section and entry; a path without '/' names both.
#include "toolkit/profile/Profile.h"

#include <memory>
#include <string>

class QSettings;

namespace GT {

class CIniProfile : public IProfile {
public:
    // The user's profile: ~/.config/Tessan/ZM-47 Librarian.ini (or wherever
    // QSettings puts user-scope INI files).
    CIniProfile();
    // A profile in the given INI file.
    explicit CIniProfile(const std::string& filePath);
    ~CIniProfile() override;
    CIniProfile(const CIniProfile&) = delete;
    CIniProfile& operator=(const CIniProfile&) = delete;

    int GetInt(std::string_view path, int def) override;
    std::string GetString(std::string_view path, std::string_view def) override;
    bool WriteInt(std::string_view path, int value) override;
    bool WriteString(std::string_view path, std::string_view text) override;

    static constexpr char kSeparator = '/';

private:
    std::unique_ptr<QSettings> settings_;
};

} // namespace GT
