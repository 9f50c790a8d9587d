// The simulated unit's memory: recognisable factory patches, exact patch
// addresses only, and the memory file.
#include "sim/UnitMemory.h"

#include "data/FileDocument.h"
#include "data/LibrarianFile.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

std::vector<std::uint8_t> Bytes(const CPatch& patch) { return {patch.Data(), patch.Data() + CPatch::kDataSize}; }

std::filesystem::path TempFile(const std::string& name) {
    return std::filesystem::temp_directory_path() / ("zm47-sim-" + std::to_string(::getpid()) + "-" + name);
}

TEST(UnitMemory, FactoryPatchesAreDistinctSevenBitAndRepeatable) {
    sim::CUnitMemory memory;
    std::set<std::string> names;
    std::set<std::vector<std::uint8_t>> contents;
    int fullLength = 0;
    const int counts[] = {0, 60, 10, 10, 10, 10, 10, 10};
    for (int area = 1; area <= 7; ++area) {
        EXPECT_EQ(memory.Patch(area, counts[area]), nullptr);
        for (int i = 0; i < counts[area]; ++i) {
            const CPatch* patch = memory.Patch(area, i);
            ASSERT_NE(patch, nullptr);
            const std::string name = patch->GetName();
            names.insert(name);
            fullLength += name.size() == 16 ? 1 : 0;
            for (char c : name)
                ASSERT_TRUE(c >= 0x20 && c < 0x7F) << name;
            contents.insert(Bytes(*patch));
            for (std::uint8_t byte : Bytes(*patch))
                ASSERT_LT(byte, 0x80);
        }
    }
    EXPECT_EQ(names.size(), 120u);
    // Most names use the whole 16 characters, so windows show what a real
    // unit's names need; some are shorter.
    EXPECT_GT(fullLength, 20);
    EXPECT_LT(fullLength, 120);
    EXPECT_EQ(contents.size(), 120u);
    EXPECT_EQ(memory.Patch(1, 6)->GetName(), "Surf Spring Tank");
    EXPECT_EQ(memory.Patch(3, 2)->GetName(), "Garage Rock");
    EXPECT_EQ(memory.TemporaryPatch().GetName(), "Current Sound");
    EXPECT_EQ(memory.Patch(1, 3)->GetMemo(1), "Solo in the bridge");
    EXPECT_EQ(memory.Patch(1, 3)->GetMemo(3), "Volume pedal up");
    EXPECT_EQ(memory.Patch(1, 1)->GetMemo(1), "");
    EXPECT_EQ(Bytes(*sim::CUnitMemory().Patch(7, 9)), Bytes(*memory.Patch(7, 9)));
}

TEST(UnitMemory, AddressesNameExactlyOnePatch) {
    sim::CUnitMemory memory;
    // The banks do not lie in area-number order: 7F 04 is CRUNCH (area 3).
    EXPECT_EQ(memory.PatchAt(0x0FE10000 + 128 * 2), memory.Patch(3, 2));
    EXPECT_EQ(memory.PatchAt(0x0FE00000 + 128 * 59), memory.Patch(1, 59));
    EXPECT_EQ(memory.PatchAt(0x0FFFC000), &memory.TemporaryPatch());
    EXPECT_EQ(memory.PatchAt(0x0FE00001), nullptr);            // inside a patch
    EXPECT_EQ(memory.PatchAt(0x0FE04000 + 128 * 10), nullptr); // past the bank's 10 patches
    EXPECT_EQ(memory.PatchAt(0x01000004), nullptr);

    const std::uint64_t before = memory.Generation();
    std::vector<std::uint8_t> data(128, 0x11);
    EXPECT_FALSE(memory.Store(0x0FE00001, data));
    EXPECT_TRUE(memory.Store(0x0FFFC000, data));
    EXPECT_EQ(memory.Generation(), before) << "the temporary patch is not kept";
    EXPECT_TRUE(memory.Store(0x0FE04000 + 128 * 9, std::vector<std::uint8_t>(200, 0x22)));
    EXPECT_EQ(memory.Generation(), before + 1);
    EXPECT_EQ(Bytes(*memory.Patch(2, 9)), std::vector<std::uint8_t>(128, 0x22));
}

TEST(UnitMemory, FileRoundTripInAreaOrder) {
    test::CapturingTextDialog dialog;
    const auto path = TempFile("roundtrip.z4l");
    sim::CUnitMemory memory;
    std::vector<std::uint8_t> data(128, 0x33);
    ASSERT_TRUE(memory.Store(0x0FE18000 + 128 * 4, data)); // EXTREME 5
    ASSERT_TRUE(memory.Save(path));

    CFileDocument file;
    ASSERT_TRUE(ReadLibrarianFile(path, file));
    ASSERT_EQ(file.Patches().Size(), 120u);
    EXPECT_EQ(AsPatch(file.Patches().At(60))->GetName(), "Crystal Clean");
    EXPECT_EQ(Bytes(*AsPatch(file.Patches().At(114))), data);

    sim::CUnitMemory loaded;
    ASSERT_TRUE(loaded.Load(path));
    EXPECT_EQ(Bytes(*loaded.Patch(7, 4)), data);
    EXPECT_EQ(loaded.Patch(4, 0)->GetName(), "Smooth Overdrive");
    EXPECT_EQ(loaded.Patch(1, 0)->GetMemo(2), "Neck pickup") << "memos are kept in the file";
    EXPECT_TRUE(dialog.shown().empty());
    std::filesystem::remove(path);
}

TEST(UnitMemory, FileOfAnotherSizeIsRefusedAndChangesNothing) {
    test::CapturingTextDialog dialog;
    const auto path = TempFile("sixty.z4l");
    CFileDocument sixty;
    sixty.Patches().Resize(60);
    ASSERT_TRUE(WriteLibrarianFile(path, sixty));

    sim::CUnitMemory memory;
    const std::uint64_t before = memory.Generation();
    EXPECT_FALSE(memory.Load(path));
    EXPECT_EQ(memory.Generation(), before);
    EXPECT_EQ(memory.Patch(1, 0)->GetName(), "Glass Chorus Pad");
    ASSERT_EQ(dialog.shown().size(), 1u);
    // A valid librarian file of one area: the message says what is wanted.
    EXPECT_EQ(dialog.shown()[0].text, path.string() +
                                          "\nholds 60 patches. The simulated unit keeps its memory in a "
                                          "librarian file of all the unit's 120 patches (MEMORY and the six "
                                          "sound library banks, in that order).");
    std::filesystem::remove(path);
}

} // namespace
