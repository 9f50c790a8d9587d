#include "platform/shell/FixedNames.h"

#include "tests/shell/ShellTestApp.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

TEST(FixedNamesTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
    const QString folder = ShellTestApp().applicationDirPath();
    EXPECT_EQ(QString::fromStdString(GetProgramDirectory()), folder);
    EXPECT_FALSE(GetProgramDirectory().ends_with('/'));
    EXPECT_EQ(QString::fromStdString(GetProgramPath()), QCoreApplication::applicationFilePath());
    // The initial data file is looked up below the program, whatever its name.
    EXPECT_EQ(GetInitialDataFilePath(), GetProgramDirectory() + "/Script/ZM4L/" + GetInitialDataFileName());
    EXPECT_TRUE(GetInitialDataFileName().ends_with(GetFileExtension()));
}

// The files are found beside the program in the build tree and in
// share/zm47-librarian beside bin/ when installed; with neither, the place
// beside the program is named so that the message about it makes sense.
TEST(FixedNamesTest, ProgramFilesAreBesideTheProgramOrInTheInstalledDataFolder) {
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    namespace fs = std::filesystem;
    const fs::path prefix = root.path().toStdString();
    const std::string bin = (prefix / "bin").string();
    fs::create_directories(bin);
    EXPECT_EQ(FindProgramFilesDirectory(bin), bin);

    fs::create_directories(prefix / "share" / "zm47-librarian" / "Manual");
    EXPECT_EQ(FindProgramFilesDirectory(bin), (prefix / "share" / "zm47-librarian").string());

    // A build tree's files beside the program win over an installed copy.
    fs::create_directories(prefix / "bin" / "Script" / "ZM4L");
    EXPECT_EQ(FindProgramFilesDirectory(bin), bin);
    fs::remove_all(prefix / "bin" / "Script");
    fs::create_directories(prefix / "bin" / "Manual");
    EXPECT_EQ(FindProgramFilesDirectory(bin), bin);
}

} // namespace
