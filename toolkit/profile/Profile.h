#pragma once
// The user's application profile, addressed by "section/entry" paths. The
// interface carries no platform types, so the engine can keep its settings
// without knowing where they are stored.
#include <string>
#include <string_view>

namespace GT {

class IProfile {
public:
    virtual ~IProfile() = default;
    // The stored integer, or def when there is none or it is not a decimal
    // number that fits an int.
    virtual int GetInt(std::string_view path, int def) = 0;
    // The stored text, or def when there is none.
    virtual std::string GetString(std::string_view path, std::string_view def) = 0;
    // Integers are stored as decimal strings. False when the path is not
    // usable or the profile could not be written.
    virtual bool WriteInt(std::string_view path, int value) = 0;
    virtual bool WriteString(std::string_view path, std::string_view text) = 0;
};

// The process-wide profile of the user, created on first use. It stands for
// the one settings file of the user (QSettings keeps one per program, too);
// code that can take a profile as a parameter does, and tests hand it one
// of their own.
IProfile& GetProfile();

} // namespace GT
