// Raw SysEx files: the exact bytes of an export, what an import of a file
// mixed with other bytes keeps, and files on disk.
#include "tests/engine/transfer_support.h"
#include "tests/support/TempFolder.h"

#include <filesystem>
#include <fstream>
#include <iterator>

namespace test {
namespace {

constexpr DeviceAddress kMemory = 0x0FE00000; // 7F 00 00 00

Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

class SysExTest : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        source.FillWithNewPatches();
        for (int i = 0; i < 60; ++i)
            std::copy_n(UnitData(kMemory + static_cast<DeviceAddress>(i * 128)).begin(), 128,
                        AsPatch(source.GetArray(1).At(static_cast<std::size_t>(i)))->Data());
        target.FillWithNewPatches();
    }
    static Bytes Good(int index) {
        const DeviceAddress address = kMemory + static_cast<DeviceAddress>(index * 128);
        return DataSet(address, UnitData(address));
    }
    static Bytes FileBytes(const std::filesystem::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }

    CImageData source;
    CImageData target;
    TempFolder folder{"zm47-syx"};
};

TEST_F(SysExTest, ExportIsTheDataSetsOfADeviceWriteOneAfterAnother) {
    ASSERT_TRUE(writer->ExportSysExToBuffer(0x21, {0, 7, 59}, source.GetArray(1)));
    EXPECT_EQ(writer->GetSysExBytes(), Join({Good(0), Good(7), Good(59)}));
    EXPECT_EQ(writer->GetSysExBytes().size(), 3u * 141u);
    EXPECT_TRUE(Unit().Received().empty()) << "an export talks to no device";
    EXPECT_TRUE(progress.log.empty());

    // The Standard MIDI File export still goes to its own file afterwards.
    ASSERT_TRUE(writer->ExportSmfToBuffer(0x21, {0}, source.GetArray(1)));
    EXPECT_EQ(writer->GetFileBytes().size(), 14u + 8u + (1u + 1u + 2u + 140u) + 4u);

    // An index the unit does not have fails the export.
    EXPECT_FALSE(writer->ExportSysExToBuffer(0x21, {0, 60}, source.GetArray(1)));
}

TEST_F(SysExTest, ImportOfAFileMixedWithJunkKeepsOnlyTheGoodDataSets) {
    Bytes badChecksum = Good(1);
    badChecksum[badChecksum.size() - 2] ^= 0x01;
    const Bytes otherDevice = DataSet(kMemory + 2 * 128, UnitData(kMemory + 2 * 128), 0x11);
    const Bytes third = Good(3);
    const Bytes brokenByStatus = Join({Bytes(third.begin(), third.begin() + 40), {0x90, 0x40, 0x7F}});
    const Bytes identityReply = IdentityReply();
    const Bytes sixth = Good(6);
    const Bytes cutShort(sixth.begin(), sixth.begin() + 100);
    const Bytes insidePatch = DataSet(kMemory + 7 * 128 + 4, UnitData(kMemory + 7 * 128));
    const Bytes file = Join({{0x00, 0x12, 0xFE},
                             Good(0),
                             {0xC0, 0x05},
                             badChecksum,
                             otherDevice,
                             brokenByStatus,
                             identityReply,
                             {0xF7, 0xF7},
                             insidePatch,
                             Good(5),
                             cutShort});

    const CImageData before = target;
    EXPECT_EQ(reader->ImportSysExBytes(file, target), 2u);
    EXPECT_EQ(PatchBytes(target, 1, 0), UnitData(kMemory));
    EXPECT_EQ(PatchBytes(target, 1, 5), UnitData(kMemory + 5 * 128));
    for (int index : {1, 2, 3, 4, 6, 7})
        EXPECT_EQ(PatchBytes(target, 1, index), PatchBytes(before, 1, index)) << index;
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SysExTest, OnlyDataSetsOfExactlyAPatchAreStoredAndTheImportSaysWhatItSkipped) {
    const DeviceAddress patch0 = kMemory;
    // A shorter data set would land "GlIT PATCH" over the old rest; a longer
    // one would be cut silently; two halves would give half a patch.
    const Bytes shortOne = DataSet(patch0, UnitData(patch0, 2));
    const Bytes longOne = DataSet(patch0 + 128, UnitData(patch0 + 128, 129));
    const Bytes firstHalf = DataSet(patch0 + 256, UnitData(patch0 + 256, 64));
    const Bytes secondHalf = DataSet(patch0 + 256 + 64, UnitData(patch0 + 256 + 64, 64));
    const DeviceAddress clean = 0x0FE04000; // SOUND LIBRARY: CLEAN 1
    const Bytes file = Join({shortOne, longOne, firstHalf, secondHalf, Good(3), Good(4), Good(5), Good(7),
                             DataSet(clean + 2 * 128, UnitData(clean + 2 * 128)), Good(4)});
    const CImageData before = target;
    EXPECT_EQ(reader->ImportSysExBytes(file, target), 6u);
    for (int index : {0, 1, 2, 6})
        EXPECT_EQ(PatchBytes(target, 1, index), PatchBytes(before, 1, index)) << index;
    EXPECT_EQ(PatchBytes(target, 1, 3), UnitData(kMemory + 3 * 128));
    EXPECT_EQ(PatchBytes(target, 2, 2), UnitData(clean + 2 * 128));
    const std::string dash = "\xE2\x80\x93";
    EXPECT_EQ(ImportSummary(reader->LastImport(), 0),
              "5 patches imported (MEMORY 4" + dash + "6, 8, SOUND LIBRARY: CLEAN 3); 4 data sets skipped");
    EXPECT_EQ(ImportSummary(reader->LastImport(), 2),
              "1 patch imported (SOUND LIBRARY: CLEAN 3); 9 data sets skipped");
    EXPECT_EQ(reader->ImportSysExBytes(Join({Good(0), shortOne}), target), 1u);
    EXPECT_EQ(ImportSummary(reader->LastImport(), 1), "1 patch imported (MEMORY 1); 1 data set skipped");
    EXPECT_EQ(reader->ImportSysExBytes(Good(0), target), 1u);
    EXPECT_EQ(ImportSummary(reader->LastImport(), 1), "1 patch imported (MEMORY 1)");

    // A file of such data sets alone holds nothing for the unit.
    WriteFile(folder / "short.syx", Join({shortOne, longOne}));
    EXPECT_FALSE(reader->ImportSysEx(folder / "short.syx", target));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgNoUnitDataInFile)});
}

TEST_F(SysExTest, FilesOnDiskRoundTripAndAFileWithoutUnitDataChangesNothing) {
    const auto path = folder / "patches.syx";
    ASSERT_TRUE(writer->ExportSysEx(path, 0x21, {4, 9}, source.GetArray(1)));
    EXPECT_EQ(FileBytes(path), Join({Good(4), Good(9)}));
    ASSERT_TRUE(reader->ImportSysEx(path, target));
    EXPECT_EQ(PatchBytes(target, 1, 4), PatchBytes(source, 1, 4));
    EXPECT_EQ(PatchBytes(target, 1, 9), PatchBytes(source, 1, 9));
    EXPECT_TRUE(Shown().empty());

    // Another unit's data, and no file at all: a message each, nothing stored.
    WriteFile(folder / "other.syx", DataSet(kMemory, UnitData(kMemory), 0x12));
    CImageData untouched;
    untouched.FillWithNewPatches();
    const CImageData before = untouched;
    EXPECT_FALSE(reader->ImportSysEx(folder / "other.syx", untouched));
    EXPECT_FALSE(reader->ImportSysEx(folder / "missing.syx", untouched));
    EXPECT_FALSE(writer->ExportSysEx(folder / "no" / "such.syx", 0x21, {0}, source.GetArray(1)));
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{Text(kMsgNoUnitDataInFile), Text(kMsgFileNotLoaded), Text(kMsgFileNotSaved)}));
    EXPECT_EQ(PatchBytes(untouched, 1, 0), PatchBytes(before, 1, 0));

    // A patch holding a byte MIDI cannot carry: refused, the file left as it was.
    dialog.clear();
    AsPatch(source.GetArray(1).At(9))->Data()[127] = 0x80;
    EXPECT_FALSE(writer->ExportSysEx(path, 0x21, {4, 9}, source.GetArray(1)));
    EXPECT_FALSE(writer->ExportSysExToBuffer(0x21, {9}, source.GetArray(1)));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgPatchNotSendable)});
    EXPECT_EQ(FileBytes(path), Join({Good(4), Good(9)}));
}

} // namespace
} // namespace test
