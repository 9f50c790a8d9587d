// The backup folder: names by time and area, and keeping only the newest.
#include "engine/BackupFiles.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <string>
#include <vector>

namespace {

class BackupFolder : public ::testing::Test {
protected:
    void Touch(const std::string& name) { std::ofstream(folder / name) << "x"; }
    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            names.push_back(entry.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }

    test::TempFolder scratch{"zm47-backups"};
    const std::filesystem::path& folder = scratch.path();
};

TEST_F(BackupFolder, NamesCarryDateTimeAndAreaAndNeverReuseAName) {
    std::tm when{};
    when.tm_year = 2026 - 1900;
    when.tm_mon = 2;
    when.tm_mday = 14;
    when.tm_hour = 9;
    when.tm_min = 30;
    when.tm_sec = 12;
    when.tm_isdst = -1;
    const std::time_t time = std::mktime(&when);
    const auto first = NewBackupPath(folder, 1, time);
    EXPECT_EQ(first, folder / "2026-03-14_093012_MEMORY.z4l");
    EXPECT_EQ(NewBackupPath(folder, 2, time).filename(), "2026-03-14_093012_SOUND-LIBRARY-CLEAN.z4l");
    Touch(first.filename().string());
    EXPECT_EQ(NewBackupPath(folder, 1, time).filename(), "2026-03-14_093012_MEMORY_2.z4l");
    EXPECT_TRUE(IsBackupFileName(first));
    EXPECT_FALSE(IsBackupFileName("notes.z4l"));
    EXPECT_FALSE(IsBackupFileName("2026-03-14_093012_MEMORY.mid"));
}

TEST_F(BackupFolder, PruningKeepsTheNewestAndLeavesOtherFilesAlone) {
    for (const char* name :
         {"2026-01-01_000000_MEMORY.z4l", "2026-01-02_000000_MEMORY.z4l", "2025-12-31_235959_SOUND-LIBRARY-CLEAN.z4l",
          "2026-01-02_000000_MEMORY_2.z4l", "keep-me.z4l", "2020-01-01_000000_MEMORY.txt"})
        Touch(name);
    EXPECT_EQ(PruneBackups(folder, 2), 2);
    EXPECT_EQ(Names(), (std::vector<std::string>{"2020-01-01_000000_MEMORY.txt", "2026-01-02_000000_MEMORY.z4l",
                                                 "2026-01-02_000000_MEMORY_2.z4l", "keep-me.z4l"}));
    EXPECT_EQ(PruneBackups(folder, 50), 0);
    EXPECT_EQ(PruneBackups(folder / "missing", 0), 0);
}

TEST_F(BackupFolder, PruningTakesOnlyNamesTheProgramWrites) {
    // The user's own files that merely start with a date and time stay,
    // however old they are.
    const std::vector<std::string> own{"2019-01-01_000000_MEMORY (copy).z4l",
                                       "2019-01-01_000000_MEMORY_mine.z4l",
                                       "2019-01-01_000000_MYSTUFF.z4l",
                                       "2019-01-01_000000_MEMORY_02.z4l",
                                       "2019-01-01_000000_MEMORY_1.z4l",
                                       "2019-01-01_000000_MEMORY_.z4l",
                                       "2019-01-01_000000_.z4l",
                                       "2019-01-01_000000_MEMORYX.z4l",
                                       "2019-01-01_000000_MEMORY.z4l.z4l",
                                       "2019-01-01_000000_memory.z4l"};
    for (const std::string& name : own) {
        Touch(name);
        EXPECT_FALSE(IsBackupFileName(name)) << name;
    }
    const std::vector<std::string> written{"2019-01-01_000000_MEMORY_12.z4l",
                                           "2019-01-01_000000_SOUND-LIBRARY-CLEAN.z4l",
                                           "2026-01-01_000000_MEMORY.z4l"};
    for (const std::string& name : written) {
        Touch(name);
        EXPECT_TRUE(IsBackupFileName(name)) << name;
    }
    for (int area = 1; area <= 7; ++area)
        EXPECT_TRUE(IsBackupFileName(NewBackupPath(folder, area, 0))) << area;
    EXPECT_EQ(PruneBackups(folder, 1), 2);
    std::vector<std::string> left = own;
    left.push_back("2026-01-01_000000_MEMORY.z4l");
    std::sort(left.begin(), left.end());
    EXPECT_EQ(Names(), left);
}

} // namespace
