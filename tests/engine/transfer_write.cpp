// Writing to the unit: identity check, one 141-byte data set per patch with
// a 20 ms pause after each, preview to the temporary patch, and transfers
// refused without devices.
#include "tests/engine/transfer_support.h"

#include "data/ImageDocument.h"

#include <filesystem>
#include <numeric>
#include <unistd.h>

namespace test {
namespace {

class WriteTest : public TransferTest {
protected:
    // The cable is pulled right after the unit has taken its nth patch;
    // stored counts the patches it took.
    void UnplugAfterPatch(std::size_t n) {
        Unit().SetReply([this, n](const Bytes& received) {
            if (received.size() == 141 && ++stored == n)
                Unit().Unplug();
            return FakeUnit::Healthy(received);
        });
    }
    static std::vector<int> AllOfMemory() {
        std::vector<int> all(60);
        std::iota(all.begin(), all.end(), 0);
        return all;
    }

    std::size_t stored = 0;
};

TEST_F(WriteTest, EachPatchGoesOutAsOne141ByteDataSetFollowedByAPause) {
    CImageData source;
    source.FillWithNewPatches();
    for (int index : {0, 3})
        std::copy_n(UnitData(static_cast<DeviceAddress>(index * 1000)).begin(), 128,
                    AsPatch(source.GetArray(2).At(static_cast<std::size_t>(index)))->Data());

    ASSERT_TRUE(writer->WritePatches(0x31, {3, 0}, source.GetArray(2)));
    const std::vector<Bytes> received = Unit().Received();
    ASSERT_EQ(received.size(), 3u);
    EXPECT_EQ(received[0], kIdentityRequest);
    EXPECT_EQ(received[1], DataSet(map.PatchAddress(0x31, 3), UnitData(3000)));
    EXPECT_EQ(received[2], DataSet(map.PatchAddress(0x31, 0), UnitData(0)));
    EXPECT_EQ(received[1].size(), 141u);
    const auto at = Unit().ReceivedAt();
    EXPECT_EQ(at[2] - at[1], 20u);
    EXPECT_TRUE(Shown().empty());
    EXPECT_EQ(progress.log, (std::vector<std::string>{"range 2", "title ''", "cancellable", "begin", "pos 1",
                                                      "text 'SOUND LIBRARY: CLEAN  4: '", "cancelled?", "pos 2",
                                                      "text 'SOUND LIBRARY: CLEAN  1: '", "cancelled?", "end"}));
}

TEST_F(WriteTest, PreviewSendsOneDataSetToTheTemporaryPatchAfterTheIdentityCheck) {
    CImageData file;
    file.GetArray(1).Resize(30);
    std::copy_n(UnitData(25).begin(), 128, AsPatch(file.GetArray(1).At(24))->Data());
    ASSERT_TRUE(writer->WritePatches(kTemporaryAreaCode, {24}, file.GetArray(1)));
    const std::vector<Bytes> received = Unit().Received();
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0], kIdentityRequest);
    ASSERT_EQ(received[1].size(), 141u);
    EXPECT_EQ(Bytes(received[1].begin() + 7, received[1].begin() + 11), (Bytes{0x7F, 0x7F, 0x00, 0x00}));
    EXPECT_EQ(received[1], DataSet(0x0FFFC000, UnitData(25)));
    EXPECT_EQ(progress.log[5], "text 'Temporary Patch: '");
}

TEST_F(WriteTest, CancelAndBadIndexesStopTheWriteWithoutAMessage) {
    CImageData source;
    source.FillWithNewPatches();
    progress.cancelAt = 2;
    EXPECT_FALSE(writer->WritePatches(0x21, {0, 1, 2}, source.GetArray(1)));
    EXPECT_EQ(Unit().Received().size(), 2u) << "identity and the first patch";

    progress.cancelAt = 0;
    // Index 10 of a bank and index 60 of MEMORY address no patch of the unit.
    EXPECT_FALSE(writer->WritePatches(0x31, {10}, source.GetArray(1)));
    EXPECT_FALSE(writer->WritePatches(0x21, {60}, source.GetArray(1)));
    EXPECT_EQ(Unit().Received().size(), 4u) << "only the two identity requests";
    EXPECT_TRUE(Shown().empty());
}

TEST_F(WriteTest, AWriteStopsWithMessage2WhenTheUnitGoesAwayHalfWay) {
    UnplugAfterPatch(29);
    CImageData source;
    source.FillWithNewPatches();

    EXPECT_FALSE(writer->WritePatches(0x21, AllOfMemory(), source.GetArray(1)));
    EXPECT_EQ(stored, 29u);
    // How far it got, not only that it failed.
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite) + "\n\nMEMORY 1\xE2\x80\x93"
                                                                              "29 were written, 30\xE2\x80\x93"
                                                                              "60 were not."});
    EXPECT_EQ(transient, std::vector<std::string>{Text(kMsgMidiConnectError)});
    EXPECT_EQ(progress.log.back(), "end");
}

TEST_F(WriteTest, ACutOffWriteSaysWhereTheBackupOfTheEarlierContentsIs) {
    UnplugAfterPatch(13);
    CImageData source;
    source.FillWithNewPatches();
    CWriteChecks checks;
    checks.backupFile =
        std::filesystem::temp_directory_path() / ("zm47-cutoff-" + std::to_string(::getpid()) + ".z4l");

    EXPECT_FALSE(writer->WritePatches(0x21, AllOfMemory(), source.GetArray(1), checks));
    EXPECT_EQ(stored, 13u);
    EXPECT_TRUE(std::filesystem::exists(checks.backupFile));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite) +
                                                "\n\nMEMORY 1\xE2\x80\x93"
                                                "13 were written, 14\xE2\x80\x93"
                                                "60 were not.\n"
                                                "The patches as they were before this write are saved in\n" +
                                                checks.backupFile.string()});
    std::filesystem::remove(checks.backupFile);
}

TEST_F(WriteTest, AWriteCutOffBeforeItsFirstPatchSaysNoneWasWritten) {
    // The unit answers the identity request, and then its input is gone.
    Unit().SetReply([&](const Bytes& received) {
        if (IsIdentityRequest(received))
            Unit().UnplugInput();
        return FakeUnit::Healthy(received);
    });
    CImageData source;
    source.FillWithNewPatches();
    EXPECT_FALSE(writer->WritePatches(0x31, {9, 0, 1, 2, 5}, source.GetArray(1)));
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgUnableToReadWrite) + "\n\nSOUND LIBRARY: CLEAN 1\xE2\x80\x93"
                                                                              "3, 6, 10 were not written."});
}

// A request that cannot be sent fails at once: no waiting for an answer to
// something that never went out, no second attempt.
TEST_F(EngineTest, ARequestThatCannotBeSentFailsAtOnceWithMessage2) {
    RecordingOutDevice& refusing = BindRecorder(0);
    refusing.failing = true;
    TestClock clock;
    AReader reader(clock);
    reader.SetSetup(&engine.setup);
    reader.SetInput(&Input(0));
    reader.SetOutput(&Output(0));
    const std::uint32_t start = clock.now;

    EXPECT_FALSE(reader.CheckIdentity());
    EXPECT_FALSE(reader.RequestData(0x0, 128));
    EXPECT_EQ(refusing.sent.size(), 2u);
    EXPECT_EQ(clock.now, start);
    ASSERT_EQ(dialog.shown().size(), 2u);
    for (const auto& shown : dialog.shown())
        EXPECT_EQ(shown.text, GetMessageTable().Get(kMsgUnableToReadWrite));

    // A write through the same device stops at its first data set.
    CWriter writer(clock);
    writer.SetSetup(&engine.setup);
    writer.SetOutput(&Output(0));
    const Bytes data(128, 0x11);
    EXPECT_FALSE(writer.COruMidiSender::Send(0x0, data));
    EXPECT_EQ(dialog.shown().size(), 3u);
    EXPECT_EQ(clock.now, start) << "no pause after a failed send";
}

TEST_F(WriteTest, ABatchWithOnePatchMidiCannotCarrySendsNothingAtAll) {
    CImageData source;
    source.FillWithNewPatches();
    // A hand-made file: an F7 inside patch 3 would end the data set early.
    AsPatch(source.GetArray(1).At(3))->Data()[60] = 0xF7;
    EXPECT_FALSE(writer->WritePatches(0x21, {0, 1, 3}, source.GetArray(1)));
    EXPECT_TRUE(Unit().Received().empty()) << "not even the identity request";
    EXPECT_EQ(Shown(), std::vector<std::string>{Text(kMsgPatchNotSendable)});

    // Preview: a 9n byte would be taken for a note.
    AsPatch(source.GetArray(1).At(5))->Data()[0] = 0x90;
    EXPECT_FALSE(writer->WritePatches(kTemporaryAreaCode, {5}, source.GetArray(1)));
    EXPECT_TRUE(Unit().Received().empty());
    EXPECT_EQ(Shown().size(), 2u);

    // The same patches without the bad bytes go out as usual.
    AsPatch(source.GetArray(1).At(3))->Data()[60] = 0x00;
    EXPECT_TRUE(writer->WritePatches(0x21, {0, 1, 3}, source.GetArray(1)));
    EXPECT_EQ(Unit().Received().size(), 4u);
}

// Ports without devices: every transfer says so at once and sends nothing.
class NoDeviceTest : public EngineTest {};

TEST_F(NoDeviceTest, TransfersShowMessage13AndSendNothing) {
    RecordingOutDevice& spare = BindRecorder(1);
    TestClock clock;
    AReader reader(clock);
    reader.SetSetup(&engine.setup);
    reader.SetInput(&Input(0));
    reader.SetOutput(&Output(0));
    CWriter writer(clock);
    writer.SetSetup(&engine.setup);
    writer.SetOutput(&Output(0));
    writer.SetReader(&reader);
    CImageDocument document;
    document.GetImage().FillWithNewPatches();
    const std::uint32_t start = clock.now;

    EXPECT_FALSE(reader.ReadPatches(0x21, {0}, document.GetImage()));
    EXPECT_FALSE(writer.WritePatches(0x21, {0}, document.GetArray(1)));
    EXPECT_FALSE(reader.ReadAll(document));
    ASSERT_EQ(dialog.shown().size(), 3u);
    // Each names what it was about to do, and the ports it found empty.
    const std::string dash = "\xE2\x80\x93";
    const std::string ports = " from the ZM-47 failed.\nInput: (none)\nOutput: (none)\nDevice ID: 17";
    const std::vector<std::string> details{
        "Reading MEMORY 1" + ports,
        "Writing MEMORY 1 to the ZM-47 failed.\nInput: (none)\nOutput: (none)\nDevice ID: 17",
        "Reading 120 patches (MEMORY 1" + dash + "60, SOUND LIBRARY: CLEAN 1" + dash +
            "10, \xE2\x80\xA6, SOUND LIBRARY: EXTREME 1" + dash + "10)" + ports};
    for (std::size_t k = 0; k < 3; ++k) {
        EXPECT_EQ(dialog.shown()[k].text, GetMessageTable().Get(kMsgMidiNotSetUp) + "\n\n" + details[k]) << k;
        EXPECT_EQ(dialog.shown()[k].action, "") << "no program has said what a button would do";
    }
    EXPECT_TRUE(Output(0).lastMessage.empty());
    EXPECT_TRUE(spare.sent.empty());
    EXPECT_EQ(clock.now, start) << "nothing waited";
}

} // namespace
} // namespace test
