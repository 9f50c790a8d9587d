// The real-device backend, as far as it can be checked without a MIDI
// system: port name cleaning, finding ports again by name, and the path
// where no sequencer exists.
#include "platform/mm/MMSystem.h"
#include "platform/mm/rtmidi/PortName.h"
#include "platform/mm/rtmidi/RtMidiBackend.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

TEST(PortName, DropsTheSequencerNumbers)
{
    EXPECT_EQ(mm::CleanPortName("USB MIDI:USB MIDI MIDI 1 20:0"), "USB MIDI:USB MIDI MIDI 1");
    EXPECT_EQ(mm::CleanPortName("Midi Through:Midi Through Port-0 14:0"), "Midi Through:Midi Through Port-0");
    EXPECT_EQ(mm::CleanPortName("USB Interface:Port 2 128:11"), "USB Interface:Port 2");
}

TEST(PortName, LeavesOtherNamesAlone)
{
    EXPECT_EQ(mm::CleanPortName("system:midi_capture_1"), "system:midi_capture_1");  // a JACK port
    EXPECT_EQ(mm::CleanPortName("Synth 20:"), "Synth 20:");
    EXPECT_EQ(mm::CleanPortName("Synth :0"), "Synth :0");
    EXPECT_EQ(mm::CleanPortName("Synth 2a:0"), "Synth 2a:0");
    EXPECT_EQ(mm::CleanPortName("20:0"), "20:0");
    EXPECT_EQ(mm::CleanPortName(" 20:0"), " 20:0");
    EXPECT_EQ(mm::CleanPortName(""), "");
}

TEST(RtMidiBackend, FindsAPortAgainByNameAndOccurrence)
{
    const std::vector<std::string> raw = {"ZM-47 Librarian:out 129:0", "Twin:Port 24:0", "Other:Port 25:0",
                                          "Twin:Port 28:0"};
    EXPECT_EQ(mm::RtMidiBackend::FindPort(raw, "Twin:Port", 0), 1);
    EXPECT_EQ(mm::RtMidiBackend::FindPort(raw, "Twin:Port", 1), 3);
    EXPECT_EQ(mm::RtMidiBackend::FindPort(raw, "Twin:Port", 2), -1);
    EXPECT_EQ(mm::RtMidiBackend::FindPort(raw, "ZM-47 Librarian:out", 0), -1);
}

TEST(RtMidiBackend, WithoutASequencerListsNothingAndPrintsNothing)
{
    mm::RtMidiBackend backend("/nonexistent/snd/seq");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(backend.SystemPresent());
    std::vector<std::shared_ptr<mm::InputDevice>> inputs;
    std::vector<std::shared_ptr<mm::OutputDevice>> outputs;
    backend.ListInputs(inputs);
    backend.ListOutputs(outputs);
    EXPECT_TRUE(inputs.empty());
    EXPECT_TRUE(outputs.empty());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Here (and on build servers) there is no sequencer: the table holds the
// virtual devices only, and opening past them fails without a word.
TEST(RtMidiBackend, TheDeviceTableWithoutAMidiSystem)
{
    if (access("/dev/snd/seq", F_OK) == 0) GTEST_SKIP() << "this machine has a MIDI system";
    mm::VirtualInputDevice input("only-virtual");
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const mm::UINT count = mm::midiInGetNumDevs();
    mm::MIDIINCAPSA caps;
    ASSERT_EQ(mm::midiInGetDevCapsA(count - 1, &caps, sizeof caps), mm::MMSYSERR_NOERROR);
    EXPECT_STREQ(caps.szPname, "only-virtual");
    mm::HMIDIOUT out = nullptr;
    EXPECT_EQ(mm::midiOutOpen(&out, mm::midiOutGetNumDevs(), 0, 0, mm::CALLBACK_NULL), mm::MMSYSERR_BADDEVICEID);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

} // namespace
