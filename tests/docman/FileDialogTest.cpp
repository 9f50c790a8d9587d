#include "app/docman/FileDialogA.h"
#include "app/docman/FilterList.h"
#include "app/docman/SmfFileDialog.h"
#include "tests/docman/DocmanTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(FilterListTest, FilterStringsOfTheProgramsDialogs) {
    CFilterList librarian;
    librarian.Add(QStringLiteral("ZM-47 Librarian"), QStringLiteral(".z4l"));
    librarian.Add(QStringLiteral("All Files"), QStringLiteral("*.*"));
    EXPECT_EQ(librarian.GetFilterString(),
              QStringLiteral("ZM-47 Librarian Files (*.z4l)|*.z4l|All Files (*.*)|*.*||"));
    EXPECT_EQ(librarian.GetNameFilters(),
              (QStringList{QStringLiteral("ZM-47 Librarian Files (*.z4l)"), QStringLiteral("All Files (*)")}));

    CFilterList smf;
    smf.Add(QStringLiteral("Standard MIDI Files"), QStringLiteral(".mid"));
    smf.Add(QStringLiteral("All Files"), QStringLiteral("*.*"));
    EXPECT_EQ(smf.GetFilterString(), QStringLiteral("Standard MIDI Files (*.mid)|*.mid|All Files (*.*)|*.*||"));

    EXPECT_EQ(CFilterList().GetFilterString(), QStringLiteral("All Files (*.*)|*.*|"));
}

class FileDialogTest : public testing::Test {
protected:
    test::TemporaryProfile profile_;
    test::AnsweringFileDialog dialog_;
    CFilterList Filters() const {
        CFilterList filters;
        filters.Add(QStringLiteral("Standard MIDI Files"), QStringLiteral(".mid"));
        filters.Add(QStringLiteral("All Files"), QStringLiteral("*.*"));
        return filters;
    }
};

TEST_F(FileDialogTest, RememberedValuesAreWrittenAsTheDialogEnds) {
    {
        CFileDialogA dialog(true, QStringLiteral(".mid"), QString(), 0, Filters(), QString(), nullptr, profile_.get(),
                            dialog_);
        dialog.SetFolderProfile(QStringLiteral("Test"), QStringLiteral("Folder"));
        dialog.SetFileNameProfile(QStringLiteral("Test"), QStringLiteral("Name"));
        dialog.SetFilterIndexProfile(QStringLiteral("Test"), QStringLiteral("Filter"), 0);
        EXPECT_EQ(dialog.Request().filterIndex, 0);
        dialog_.Choose(QStringLiteral("/data/songs/set1.mid"), 1);
        EXPECT_EQ(dialog.DoModal(), CFileDialogA::kOk);
        EXPECT_EQ(dialog.GetPathName(), QStringLiteral("/data/songs/set1.mid"));
    }
    EXPECT_EQ(profile_.get().GetString("Test/Folder", ""), "/data/songs");
    EXPECT_EQ(profile_.get().GetString("Test/Name", ""), "set1.mid");
    EXPECT_EQ(profile_.get().GetInt("Test/Filter", 0), 2); // counted from 1, as the dialog's filters are

    // Cancel still writes the folder and the filter, never the name.
    CFileDialogA dialog(true, QStringLiteral(".mid"), QString(), 0, Filters(), QString(), nullptr, profile_.get(),
                        dialog_);
    dialog.SetFolderProfile(QStringLiteral("Test"), QStringLiteral("Folder"));
    dialog.SetFileNameProfile(QStringLiteral("Test"), QStringLiteral("Name"));
    dialog.SetFilterIndexProfile(QStringLiteral("Test"), QStringLiteral("Filter"), 0);
    EXPECT_EQ(dialog.Request().filterIndex, 1);
    dialog_.Cancel(0);
    dialog_.answer.folder = QStringLiteral("/elsewhere");
    EXPECT_EQ(dialog.DoModal(), CFileDialogA::kCancel);
    EXPECT_EQ(profile_.get().GetString("Test/Folder", ""), "/elsewhere");
    EXPECT_EQ(profile_.get().GetString("Test/Name", ""), "set1.mid");
    EXPECT_EQ(profile_.get().GetInt("Test/Filter", 0), 1);
}

TEST_F(FileDialogTest, StoredFilterIndexOutOfRangeShowsTheFirstFilter) {
    for (int stored : {-3, 0, 3, 99}) {
        profile_.get().WriteInt("SMF/InitialFilterIndex", stored);
        CFileDialogA dialog(true, QStringLiteral(".mid"), QString(), 0, Filters(), QString(), nullptr, profile_.get(),
                            dialog_);
        dialog.SetFilterIndexProfile(QStringLiteral("SMF"), QStringLiteral("InitialFilterIndex"), 0);
        EXPECT_EQ(dialog.Request().filterIndex, 0) << stored;
    }
}

TEST_F(FileDialogTest, FirstSmfExportProposesUntitledThenTheLastFile) {
    dialog_.Cancel();
    EXPECT_FALSE(PromptSmfFileName(false, nullptr, profile_.get(), dialog_).has_value());
    EXPECT_EQ(dialog_.requests.back().fileName, QStringLiteral("Untitled.mid"));
    EXPECT_EQ(dialog_.requests.back().folder, QString());
    EXPECT_EQ(dialog_.requests.back().nameFilters.size(), 2);
    EXPECT_EQ(dialog_.requests.back().defaultSuffix, QStringLiteral("mid"));

    // An import of set1.mid from /midi succeeds.
    dialog_.Choose(QStringLiteral("/midi/set1.mid"));
    EXPECT_EQ(PromptSmfFileName(true, nullptr, profile_.get(), dialog_), QStringLiteral("/midi/set1.mid"));
    EXPECT_EQ(dialog_.requests.back().fileName, QString()) << "an open dialog proposes no name";
    ASSERT_TRUE(RememberSmfFile(profile_.get(), QStringLiteral("/midi/set1.mid")));

    dialog_.Cancel();
    PromptSmfFileName(false, nullptr, profile_.get(), dialog_);
    EXPECT_EQ(dialog_.requests.back().fileName, QStringLiteral("set1.mid"));
    EXPECT_EQ(dialog_.requests.back().folder, QStringLiteral("/midi"));
}

TEST_F(FileDialogTest, CancelledSmfDialogKeepsFolderAndNameButRemembersTheFilter) {
    ASSERT_TRUE(RememberSmfFile(profile_.get(), QStringLiteral("/midi/set1.mid")));
    dialog_.Cancel(1);
    dialog_.answer.folder = QStringLiteral("/tmp");
    EXPECT_FALSE(PromptSmfFileName(false, nullptr, profile_.get(), dialog_).has_value());
    EXPECT_EQ(profile_.get().GetString("SMF/InitialDirectory", ""), "/midi");
    EXPECT_EQ(profile_.get().GetString("SMF/InitialFileName", ""), "set1.mid");
    EXPECT_EQ(profile_.get().GetInt("SMF/InitialFilterIndex", 0), 2);
    PromptSmfFileName(true, nullptr, profile_.get(), dialog_);
    EXPECT_EQ(dialog_.requests.back().filterIndex, 1);
    // OK without a file is no choice.
    dialog_.Choose(QString());
    EXPECT_FALSE(PromptSmfFileName(true, nullptr, profile_.get(), dialog_).has_value());
}

} // namespace
