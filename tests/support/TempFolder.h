#pragma once
// A fresh folder of the test's own below the system's temporary folder,
// removed with everything in it when the object goes (also after the test
// made it read-only). A folder that cannot be made fails the test that asked
// for it.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <system_error>

namespace test {

class TempFolder {
public:
    // The folder's name starts with prefix ("zm47-smf" gives zm47-smf-Ab12Cd).
    explicit TempFolder(std::string_view prefix = "zm47-test") {
        std::string pattern = (std::filesystem::temp_directory_path() / prefix).string() + "-XXXXXX";
        if (::mkdtemp(pattern.data()) == nullptr)
            ADD_FAILURE() << "cannot make a temporary folder " << pattern;
        else
            path_ = pattern;
    }
    ~TempFolder() {
        std::error_code ignored;
        if (path_.empty())
            return;
        std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ignored);
        std::filesystem::remove_all(path_, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::string str() const { return path_.string(); }
    std::filesystem::path operator/(std::string_view name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

} // namespace test
