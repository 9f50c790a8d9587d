// Writes with a backup first and a read-back after, against the simulated
// unit: what the backup holds, what stops a write, which patches a unit that
// stores wrongly is caught on, and the phases the progress shows.
#include "tests/e2e/EndToEndFixture.h"

#include "data/FileDocument.h"
#include "data/ImageData.h"
#include "data/LibrarianFile.h"
#include "toolkit/core/Progress.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>

namespace e2e {
namespace {

// Records the titles the phases show, each once per change.
class TitleProgress final : public GT::IProgress {
public:
    bool Begin() override { return true; }
    void End() override {}
    void SetRange(int) override {}
    bool SetPos(int) override { return true; }
    void SetTitle(std::string_view title) override {
        if (titles.empty() || titles.back() != title)
            titles.emplace_back(title);
    }
    bool SetText(std::string_view) override { return true; }
    void SetCancellable(bool) override {}
    bool IsCancelled() override { return false; }

    std::vector<std::string> titles;
};

class CheckedWrite : public EndToEnd {
protected:
    void SetUp() override {
        image.FillWithNewPatches();
        // Patches unlike anything the unit holds.
        CParameterArray& memory = image.GetArray(1);
        for (std::size_t i = 0; i < memory.Size(); ++i) {
            CPatch* patch = AsPatch(memory.At(i));
            for (int b = 0; b < 96; ++b)
                patch->Data()[b] = static_cast<std::uint8_t>((i * 5 + static_cast<std::size_t>(b) * 3 + 1) & 0x7F);
            patch->SetName("NEW " + std::to_string(i + 1));
        }
    }
    std::vector<Bytes> UnitMemory(const std::vector<int>& indexes) {
        std::vector<Bytes> bytes;
        for (int index : indexes)
            bytes.push_back(UnitPatchBytes(1, index));
        return bytes;
    }
    // The full text of the last message box.
    std::string LastText() const { return dialog.shown().empty() ? std::string() : dialog.shown().back().text; }

    CImageData image;
    test::TempFolder folder{"zm47-checked"};
};

TEST_F(CheckedWrite, AUnitThatStoresOnePatchWronglyFailsVerificationNamingThatPatch) {
    Start();
    Simulator().SetFaults({.corruptStore = 2, .corruptStays = true});
    const std::vector<int> indexes{4, 9, 17};
    EXPECT_FALSE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.verify = true}));
    EXPECT_EQ(Shown(), std::vector<std::string>{"The ZM-47 did not store these patches as they were written:"});
    EXPECT_NE(LastText().find("\nMEMORY 10\n"), std::string::npos) << LastText();
    EXPECT_EQ(LastText().find("MEMORY 5\n"), std::string::npos) << LastText();
    EXPECT_EQ(UnitPatchBytes(1, 4), PatchBytes(image.GetArray(1).At(4))) << "the others are written";
    EXPECT_EQ(DataRequestsSeen().size(), 3u + CWriter::kResendRounds)
        << "one read-back per written patch, then one for each time the wrong one was sent again";

    // A sound unit passes, and the read-back is its own phase.
    dialog.clear();
    Simulator().SetFaults({});
    TitleProgress progress;
    Writer().SetProgress(&progress);
    EXPECT_TRUE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.verify = true}));
    Writer().SetProgress(nullptr);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"Writing", "Verifying"}));
}

// A data set lost or garbled once on the way (a MIDI server that missed a
// period drops what it carried) is mended by sending that patch again.
TEST_F(CheckedWrite, APatchStoredWronglyOnceIsSentAgainAndTheWritePasses) {
    Start();
    Simulator().SetFaults({.corruptStore = 2});
    const std::vector<int> indexes{4, 9, 17};
    TitleProgress progress;
    Writer().SetProgress(&progress);
    EXPECT_TRUE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.verify = true}));
    Writer().SetProgress(nullptr);
    EXPECT_TRUE(Shown().empty()) << LastText();
    EXPECT_TRUE(Writer().LastReadBackMatched());
    for (int index : indexes)
        EXPECT_EQ(UnitPatchBytes(1, index), PatchBytes(image.GetArray(1).At(static_cast<std::size_t>(index))))
            << index;
    EXPECT_EQ(DataRequestsSeen().size(), 4u) << "the mended patch alone is read back again";
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"Writing", "Verifying", "Writing", "Verifying"}));
}

TEST_F(CheckedWrite, ABackupHoldsExactlyWhatTheUnitHeldBeforeTheWrite) {
    Start();
    const std::vector<int> indexes{0, 30, 59};
    const std::vector<Bytes> before = UnitMemory(indexes);
    const auto file = folder / "backups" / "memory.z4l";
    TitleProgress progress;
    Writer().SetProgress(&progress);
    ASSERT_TRUE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.backupFile = file, .verify = true}));
    Writer().SetProgress(nullptr);
    EXPECT_EQ(progress.titles, (std::vector<std::string>{"Backing up", "Writing", "Verifying"}));

    CFileDocument backup;
    ASSERT_TRUE(ReadLibrarianFile(file, backup));
    ASSERT_EQ(backup.Patches().Size(), 3u);
    for (std::size_t i = 0; i < indexes.size(); ++i) {
        EXPECT_EQ(PatchBytes(backup.Patches().At(i)), before[i]) << i;
        EXPECT_EQ(UnitPatchBytes(1, indexes[i]),
                  PatchBytes(image.GetArray(1).At(static_cast<std::size_t>(indexes[i]))));
    }
    EXPECT_EQ(backup.Patches()[1].GetMemo(1), "MEMORY 31") << "where the patch came from";
    EXPECT_TRUE(Shown().empty());
}

TEST_F(CheckedWrite, ABackupThatCannotBeSavedOrReadLeavesTheUnitUntouched) {
    Start();
    const std::vector<int> indexes{1, 2};
    const std::vector<Bytes> before = UnitMemory(indexes);
    // A folder that cannot be made: its parent is a file.
    std::ofstream(folder / "plain-file") << "x";
    const auto unsaveable = folder / "plain-file" / "backups" / "b.z4l";
    EXPECT_FALSE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.backupFile = unsaveable}));
    EXPECT_EQ(Shown(), std::vector<std::string>{
                           "Nothing was written: the backup of the patches about to be overwritten could not be "
                           "saved as"});
    EXPECT_NE(LastText().find(unsaveable.string()), std::string::npos);

    // A unit that answers the identity request but not the data requests.
    dialog.clear();
    Simulator().SetFaults({.dropReply = 2, .dropCount = 1000});
    EXPECT_FALSE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.backupFile = folder / "b.z4l"}));
    EXPECT_EQ(Shown(), (std::vector<std::string>{kUnableToReadWrite,
                                                 "Nothing was written: the patches about to be overwritten could not "
                                                 "be read from the ZM-47 for the backup."}));
    EXPECT_FALSE(std::filesystem::exists(folder / "b.z4l"));

    // A patch that cannot be sent: refused before the backup reads anything.
    Simulator().SetFaults({});
    const int requests = Unit().DataRequests();
    AsPatch(image.GetArray(1).At(2))->Data()[0] = 0xF7;
    EXPECT_FALSE(Writer().WritePatches(0x21, indexes, image.GetArray(1), {.backupFile = folder / "c.z4l"}));
    EXPECT_EQ(Unit().DataRequests(), requests);
    EXPECT_FALSE(std::filesystem::exists(folder / "c.z4l"));
    EXPECT_EQ(Unit().DataSetsStored(), 0);
    EXPECT_EQ(UnitMemory(indexes), before);
}

} // namespace
} // namespace e2e
