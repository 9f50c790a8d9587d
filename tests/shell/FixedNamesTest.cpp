#include "platform/shell/FixedNames.h"

#include "tests/shell/ShellTestApp.h"

#include <gtest/gtest.h>

namespace {

TEST(FixedNamesTest, ProgramFolderIsTheFolderOfTheRunningProgram) {
    const QString folder = ShellTestApp().applicationDirPath();
    EXPECT_EQ(QString::fromStdString(GetProgramDirectory()), folder);
    EXPECT_FALSE(GetProgramDirectory().ends_with('/'));
    EXPECT_EQ(QString::fromStdString(GetInitialDataFilePath()), folder + QStringLiteral("/Script/ZM4L/InitialData.z4l"));
    EXPECT_EQ(GetProductTitle(), "ZM-47 Librarian");
}

} // namespace
