#include "platform/shell/FixedNames.h"

#include "tests/shell/ShellTestApp.h"

#include <gtest/gtest.h>

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

} // namespace
