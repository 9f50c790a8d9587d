#include "toolkit/profile/IniProfile.h"
#include "toolkit/profile/Profile.h"
#include "toolkit/profile/VersionInfo.h"

#include "tests/support/TemporaryProfileFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>

#include <climits>
#include <memory>
#include <string>

namespace {

[[maybe_unused]] testing::Environment* const kProfileFolder =
    testing::AddGlobalTestEnvironment(new test::TemporaryProfileFolder);

class ProfileTest : public testing::Test {
protected:
    std::string FilePath() const { return (folder_.path() + "/profile.ini").toStdString(); }
    QString FileText() const {
        QFile file(QString::fromStdString(FilePath()));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }
    QTemporaryDir folder_;
};

TEST_F(ProfileTest, MissingValuesGiveTheDefault) {
    GT::CIniProfile profile(FilePath());
    EXPECT_EQ(profile.GetInt("MIDIConnection/DeviceId", 5), 5);
    EXPECT_EQ(profile.GetString("MIDIConnection/InDevice", "none"), "none");
    EXPECT_EQ(profile.GetString("Nowhere/At all", ""), "");
}

TEST_F(ProfileTest, IntegersAreStoredAsDecimalTextAndReadBack) {
    {
        GT::CIniProfile profile(FilePath());
        EXPECT_TRUE(profile.WriteInt("Option/Grid", 7));
        EXPECT_TRUE(profile.WriteInt("Option/Low", INT_MIN));
        EXPECT_EQ(profile.GetString("Option/Grid", ""), "7");
    }
    EXPECT_TRUE(FileText().contains("[Option]\nGrid=7\nLow=-2147483648\n")) << FileText().toStdString();
    GT::CIniProfile reopened(FilePath());
    EXPECT_EQ(reopened.GetInt("Option/Grid", 0), 7);
    EXPECT_EQ(reopened.GetInt("Option/Low", 0), INT_MIN);
}

TEST_F(ProfileTest, TextThatIsNoIntegerGivesTheDefault) {
    GT::CIniProfile profile(FilePath());
    profile.WriteString("Option/A", "abc");
    profile.WriteString("Option/B", "99999999999");
    profile.WriteString("Option/C", " 42 ");
    EXPECT_EQ(profile.GetInt("Option/A", 3), 3);
    EXPECT_EQ(profile.GetInt("Option/B", 3), 3);
    EXPECT_EQ(profile.GetInt("Option/C", 3), 42);
}

TEST_F(ProfileTest, PathIsSplitAtTheFirstSlashAndWithoutSlashNamesBoth) {
    {
        GT::CIniProfile profile(FilePath());
        EXPECT_TRUE(profile.WriteString("Alone", "x"));
        EXPECT_TRUE(profile.WriteString("Recent File List/File1", "/home/u/a b.z4l"));
    }
    const QString text = FileText();
    EXPECT_TRUE(text.contains("[Alone]\nAlone=x\n")) << text.toStdString();
    EXPECT_TRUE(text.contains("[Recent%20File%20List]\nFile1=/home/u/a b.z4l\n")) << text.toStdString();
    GT::CIniProfile reopened(FilePath());
    EXPECT_EQ(reopened.GetString("Alone/Alone", ""), "x");
    EXPECT_EQ(reopened.GetString("Recent File List/File1", ""), "/home/u/a b.z4l");
}

TEST_F(ProfileTest, PathsWithoutSectionOrEntryAreRefused) {
    GT::CIniProfile profile(FilePath());
    EXPECT_FALSE(profile.WriteString("", "x"));
    EXPECT_FALSE(profile.WriteString("/Entry", "x"));
    EXPECT_FALSE(profile.WriteInt("Section/", 1));
    EXPECT_EQ(profile.GetInt("/Entry", 8), 8);
    EXPECT_EQ(profile.GetString("", "d"), "d");
}

TEST_F(ProfileTest, TextsWithCommasAndNonAsciiSurviveARoundTrip) {
    const std::string memo = "\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF";
    {
        GT::CIniProfile profile(FilePath());
        profile.WriteString("TextOutWindow/Position", "10,20,300,400,0");
        profile.WriteString("Document/Memo", memo);
    }
    GT::CIniProfile reopened(FilePath());
    EXPECT_EQ(reopened.GetString("TextOutWindow/Position", ""), "10,20,300,400,0");
    EXPECT_EQ(reopened.GetString("Document/Memo", ""), memo);
}

TEST_F(ProfileTest, WriteIntoAnUnwritableFileReportsFailure) {
    // A folder in the file's place cannot be replaced by the profile.
    ASSERT_TRUE(QDir().mkpath(QString::fromStdString(FilePath())));
    GT::CIniProfile profile(FilePath());
    EXPECT_FALSE(profile.WriteInt("Option/Grid", 1));
}

TEST(ProcessProfile, LivesInTheUserIniFileOfTheApplication) {
    GT::IProfile& profile = GT::GetProfile();
    EXPECT_EQ(&profile, &GT::GetProfile());
    ASSERT_TRUE(profile.WriteInt("Test/Value", 12));
    QFile file(test::TemporaryProfileFolder::Path() + "/Tessan/ZM-47 Librarian.ini");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("[Test]\nValue=12\n"));
}

TEST_F(ProfileTest, ProfileVersionChangedUntilTheProfileHoldsThisVersion) {
    GT::CIniProfile profile(FilePath());
    EXPECT_TRUE(UL::IsProfileVersionChanged(profile)); // nothing stored yet
    profile.WriteString("Version/FileVersion", "0.0.0.1");
    EXPECT_TRUE(UL::IsProfileVersionChanged(profile));
    profile.WriteString("Version/FileVersion", UL::GetVersionString("FileVersion"));
    EXPECT_FALSE(UL::IsProfileVersionChanged(profile));
}

} // namespace
