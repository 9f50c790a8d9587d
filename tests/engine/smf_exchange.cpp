// Export of patches as a Standard MIDI File and import back: the exact file
// layout, the spacing of the events, what import accepts, and files on disk.
#include "tests/engine/transfer_support.h"

#include "engine/SmfExchange.h"
#include "ml/SmfBuffer.h"
#include "tests/ml/smf_recorder.h"
#include "tests/support/TempFolder.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace test {
namespace {

Bytes FileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// The events of a file as the chunk reader of the MIDI library sees them.
std::vector<std::string> Events(const Bytes& file) {
    SmfRecorder recorder(file);
    EXPECT_TRUE(recorder.ParseSmf());
    return recorder.events;
}

// A track of the given events (delta already in front) with its header.
Bytes Track(const Bytes& events) {
    Bytes track{'M', 'T', 'r', 'k', 0, 0, 0, 0};
    track.insert(track.end(), events.begin(), events.end());
    const Bytes end{0x00, 0xFF, 0x2F, 0x00};
    track.insert(track.end(), end.begin(), end.end());
    const auto length = static_cast<std::uint32_t>(track.size() - 8);
    for (int i = 0; i < 4; ++i)
        track[4 + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(length >> (24 - 8 * i));
    return track;
}

// A delta of 0 and a SysEx event (F0, length, the bytes after F0).
Bytes SysExEvent(const Bytes& message, std::uint8_t status = 0xF0) {
    Bytes event{0x00, status};
    std::array<std::uint8_t, 4> length{};
    const std::size_t used = ML::EncodeVariableLength(static_cast<std::uint32_t>(message.size() - 1), length);
    event.insert(event.end(), length.begin(), length.begin() + static_cast<std::ptrdiff_t>(used));
    event.insert(event.end(), message.begin() + 1, message.end());
    return event;
}

class SmfTest : public TransferTest {
protected:
    void SetUp() override {
        TransferTest::SetUp();
        source.FillWithNewPatches();
        for (int i = 0; i < 60; ++i)
            std::copy_n(UnitData(static_cast<DeviceAddress>(i * 128)).begin(), 128,
                        AsPatch(source.GetArray(1).At(static_cast<std::size_t>(i)))->Data());
        for (int i = 0; i < 60; ++i)
            all.push_back(i);
    }
    Bytes Export(int areaCode, const std::vector<int>& indexes) {
        EXPECT_TRUE(writer->ExportSmfToBuffer(areaCode, indexes, source.GetArray(1)));
        return writer->GetFileBytes();
    }

    CImageData source;
    std::vector<int> all;
    TempFolder folder{"zm47-smf"};
};

TEST_F(SmfTest, SixtyPatchesBecomeOneTrackOfSixtyDataSetsSpacedForTheWire) {
    const Bytes file = Export(0x21, all);
    EXPECT_EQ(Bytes(file.begin(), file.begin() + 14), (Bytes{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96}));
    const std::vector<std::string> events = Events(file);
    ASSERT_EQ(events.size(), 1u + 1u + 60u + 1u);
    EXPECT_EQ(events[1], "track 0 " + std::to_string(file.size() - 22));
    for (int i = 0; i < 60; ++i) {
        const Bytes expected = DataSet(0x0FE00000 + static_cast<DeviceAddress>(128 * i), UnitData(128u * i));
        EXPECT_EQ(events[2 + static_cast<std::size_t>(i)],
                  "sysex " + std::string(i == 0 ? "0" : "13") + ": " + Hex(expected))
            << i;
    }
    EXPECT_EQ(events.back(), "meta 0 2F: ");
    EXPECT_TRUE(Unit().Received().empty()) << "an export talks to no device";
    EXPECT_TRUE(progress.log.empty());
}

TEST_F(SmfTest, DeltasFollowTheLengthOfTheMessageBefore) {
    EXPECT_EQ(SmfDeltaAfter(141), 13u);
    EXPECT_EQ(SmfDeltaAfter(14), 5u);
    EXPECT_EQ(SmfDeltaAfter(0), 4u);
}

TEST_F(SmfTest, AnExportedFileImportsBackIntoTheSamePatches) {
    const Bytes file = Export(0x21, {0, 7, 59});
    CImageData target;
    target.FillWithNewPatches();
    target.GetArray(1)[7].SetMemo(3, "memo");
    ASSERT_TRUE(reader->ImportSmfBytes(file, target));
    for (int index : {0, 7, 59})
        EXPECT_EQ(PatchBytes(target, 1, index), PatchBytes(source, 1, index)) << index;
    EXPECT_EQ(target.GetArray(1)[7].GetMemo(3), "");
    EXPECT_NE(PatchBytes(target, 1, 1), PatchBytes(source, 1, 1));
    EXPECT_TRUE(Shown().empty());
}

TEST_F(SmfTest, AfterChangingTheDeviceIdTheImportChangesNothingAndSucceeds) {
    const Bytes file = Export(0x21, all);
    Input(0).deviceId = 0x11;
    Output(0).deviceId = 0x11;
    CImageData target;
    target.FillWithNewPatches();
    const CImageData before = target;
    EXPECT_TRUE(reader->ImportSmfBytes(file, target));
    for (int i = 0; i < 60; ++i)
        EXPECT_EQ(PatchBytes(target, 1, i), PatchBytes(before, 1, i));
}

TEST_F(SmfTest, OnlyWellFormedDataSetsOfThisUnitAreStoredFromAnyTrack) {
    const DeviceAddress lead = 0x0FE0C000;
    Bytes badChecksum = DataSet(lead + 128, UnitData(1));
    badChecksum[badChecksum.size() - 2] ^= 0x01;
    Bytes otherModel = DataSet(lead + 256, UnitData(2));
    otherModel[5] = 0x46;
    otherModel[otherModel.size() - 2] = 0x00;
    ML::CTessanMessage fixed;
    ASSERT_TRUE(fixed.Parse(otherModel, 4));
    fixed.UpdateChecksum();
    otherModel.assign(fixed.begin(), fixed.end());
    const Bytes viaF7 = DataSet(lead + 384, UnitData(3));

    // Format 1: a first track with nothing of interest, the data in the second.
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 1, 0, 2, 0, 96};
    const Bytes first = Track({0x00, 0x90, 0x40, 0x7F});
    Bytes events = SysExEvent(DataSet(lead, UnitData(0)));
    for (const Bytes& event : {SysExEvent(badChecksum), SysExEvent(otherModel), SysExEvent(viaF7, 0xF7),
                               SysExEvent(DataSet(lead + 512, UnitData(4), 0x11))}) {
        events.insert(events.end(), event.begin(), event.end());
    }
    const Bytes second = Track(events);
    file.insert(file.end(), first.begin(), first.end());
    file.insert(file.end(), second.begin(), second.end());

    CImageData target;
    target.FillWithNewPatches();
    const CImageData before = target;
    ASSERT_TRUE(reader->ImportSmfBytes(file, target));
    EXPECT_EQ(PatchBytes(target, 6, 0), UnitData(0));
    for (int index = 1; index <= 4; ++index)
        EXPECT_EQ(PatchBytes(target, 6, index), PatchBytes(before, 6, index)) << index;
}

TEST_F(SmfTest, FilesOnDiskReportTheirFailuresAndKeepTheOldFile) {
    const auto path = folder / "patches.mid";
    ASSERT_TRUE(writer->ExportSmf(path, 0x21, all, source.GetArray(1)));
    const Bytes written = FileBytes(path);
    EXPECT_EQ(written, Export(0x21, all));

    // A failed export (an index the unit does not have) leaves the file as it was.
    EXPECT_FALSE(writer->ExportSmf(path, 0x21, {0, 60}, source.GetArray(1)));
    EXPECT_FALSE(writer->ExportSmf(folder / "missing" / "x.mid", 0x21, all, source.GetArray(1)));
    const auto subfolder = folder / "a folder.mid";
    ASSERT_TRUE(std::filesystem::create_directory(subfolder));
    EXPECT_FALSE(writer->ExportSmf(subfolder, 0x21, all, source.GetArray(1)));
    EXPECT_TRUE(std::filesystem::is_directory(subfolder));
    EXPECT_EQ(Shown(), (std::vector<std::string>{Text(kMsgFileNotSaved), Text(kMsgFileNotSaved),
                                                 MessageWith(kMsgSaveTargetNotAFile, subfolder.string())}));
    EXPECT_EQ(FileBytes(path), written);
    dialog.clear();

    CImageData target;
    target.FillWithNewPatches();
    ASSERT_TRUE(reader->ImportSmf(path, target));
    EXPECT_EQ(PatchBytes(target, 1, 59), PatchBytes(source, 1, 59));

    // Cut short after the first data set: it stays, the import fails.
    CImageData cut;
    cut.FillWithNewPatches();
    WriteFile(folder / "cut.mid", Bytes(written.begin(), written.begin() + 22 + 145 + 10));
    EXPECT_FALSE(reader->ImportSmf(folder / "cut.mid", cut));
    EXPECT_EQ(PatchBytes(cut, 1, 0), PatchBytes(source, 1, 0));
    EXPECT_FALSE(reader->ImportSmf(folder / "nothing-here.mid", cut));
    EXPECT_FALSE(reader->ImportSmf(subfolder, cut)) << "a folder";
    WriteFile(folder / "empty.mid", {});
    EXPECT_FALSE(reader->ImportSmf(folder / "empty.mid", cut));
    EXPECT_EQ(Shown(),
              (std::vector<std::string>{Text(kMsgFileNotLoaded), Text(kMsgFileNotLoaded),
                                        MessageWith(kMsgInputNotAFile, subfolder.string()), Text(kMsgFileNotLoaded)}));
}

TEST_F(SmfTest, PatchesMidiCannotCarryAreNeverExported) {
    const auto path = folder / "kept.mid";
    ASSERT_TRUE(writer->ExportSmf(path, 0x21, {0}, source.GetArray(1)));
    const Bytes before = FileBytes(path);
    AsPatch(source.GetArray(1).At(2))->Data()[127] = 0x80;

    EXPECT_FALSE(writer->ExportSmf(path, 0x21, {0, 1, 2}, source.GetArray(1)));
    EXPECT_FALSE(writer->ExportSmf(folder / "new.mid", 0x21, {2}, source.GetArray(1)));
    EXPECT_EQ(Shown(), std::vector<std::string>(2, Text(kMsgPatchNotSendable)));
    EXPECT_EQ(FileBytes(path), before);
    EXPECT_FALSE(std::filesystem::exists(folder / "new.mid"));
    EXPECT_FALSE(writer->ExportSmfToBuffer(0x21, {2}, source.GetArray(1)));
    EXPECT_TRUE(writer->GetFileBytes().empty());
}

TEST_F(SmfTest, ImportStoresOnlyDataSetsOfExactlyAPatchAtItsStart) {
    const DeviceAddress patch5 = 0x0FE00000 + 5 * 128;
    const Bytes long6 = UnitData(6 * 128, 140);
    const Bytes short8 = UnitData(8 * 128, 100);
    Bytes events;
    // Inside patch 5, one byte in, a longer one at patch 6, a shorter one and
    // the two halves of one at patch 8; whole ones at patches 9 and 10.
    for (const Bytes& event :
         {SysExEvent(DataSet(patch5 + 64, UnitData(1))), SysExEvent(DataSet(patch5 + 1, UnitData(2, 10))),
          SysExEvent(DataSet(patch5 + 128, long6)), SysExEvent(DataSet(patch5 + 384, short8)),
          SysExEvent(DataSet(patch5 + 384, UnitData(8 * 128, 64))),
          SysExEvent(DataSet(patch5 + 384 + 64, UnitData(8 * 128 + 64, 64))),
          SysExEvent(DataSet(patch5 + 512, UnitData(9 * 128))),
          SysExEvent(DataSet(patch5 + 640, UnitData(10 * 128)))}) {
        events.insert(events.end(), event.begin(), event.end());
    }
    Bytes file{'M', 'T', 'h', 'd', 0, 0, 0, 6, 0, 0, 0, 1, 0, 96};
    const Bytes track = Track(events);
    file.insert(file.end(), track.begin(), track.end());

    CImageData target;
    target.FillWithNewPatches();
    target.GetArray(1)[5].SetMemo(1, "kept");
    target.GetArray(1)[8].SetMemo(1, "kept too");
    const CImageData before = target;
    ASSERT_TRUE(reader->ImportSmfBytes(file, target));
    for (int index : {5, 6, 7, 8})
        EXPECT_EQ(PatchBytes(target, 1, index), PatchBytes(before, 1, index)) << index;
    EXPECT_EQ(target.GetArray(1)[5].GetMemo(1), "kept");
    EXPECT_EQ(target.GetArray(1)[8].GetMemo(1), "kept too");
    EXPECT_EQ(PatchBytes(target, 1, 9), UnitData(9 * 128));
    EXPECT_EQ(PatchBytes(target, 1, 10), UnitData(10 * 128));
    EXPECT_EQ(ImportSummary(reader->LastImport(), 1), "2 patches imported (MEMORY 10\xE2\x80\x93"
                                                      "11); 6 data sets skipped");
    EXPECT_TRUE(reader->LastImport().PatchesIn(2).empty());
}

} // namespace
} // namespace test
