// The real-device backend, as far as it can be checked without a MIDI
// system: port names, finding ports again by name, telling an open port's
// far side gone from recorded port lists, and the path where no sequencer
// and no JACK server exist.
#include "platform/mm/MMSystem.h"
#include "platform/mm/rtmidi/AlsaDevices.h"
#include "platform/mm/rtmidi/PortName.h"
#include "platform/mm/rtmidi/ReturnedWithin.h"
#include "platform/mm/rtmidi/RtMidiBackend.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <atomic>
#include <chrono>
#include <future>
#include <thread>

namespace {

// A call that returns gives its result; one that waits without end (a
// server that stopped answering) leaves its caller at the limit, and the
// call still ends, on its own thread, once it can.
TEST(ReturnedWithin, GivesTheResultOrLeavesACallThatOutlastsTheLimit) {
    EXPECT_EQ(mm::ReturnedWithin<int>(std::chrono::seconds(10), [] { return 7; }), 7);

    std::promise<void> answer;
    std::shared_future<void> answered = answer.get_future().share();
    auto ended = std::make_shared<std::atomic<bool>>(false);
    const auto start = std::chrono::steady_clock::now();
    const std::optional<int> result = mm::ReturnedWithin<int>(std::chrono::milliseconds(50), [answered, ended] {
        answered.wait();
        *ended = true;
        return 1;
    });
    EXPECT_FALSE(result.has_value());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    answer.set_value();
    for (int i = 0; i < 500 && !*ended; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    EXPECT_TRUE(*ended);
}

TEST(PortName, DropsTheSequencerNumbers) {
    EXPECT_EQ(mm::CleanPortName("USB MIDI:USB MIDI MIDI 1 20:0"), "USB MIDI:USB MIDI MIDI 1");
    EXPECT_EQ(mm::CleanPortName("Midi Through:Midi Through Port-0 14:0"), "Midi Through:Midi Through Port-0");
    EXPECT_EQ(mm::CleanPortName("USB Interface:Port 2 128:11"), "USB Interface:Port 2");
}

TEST(PortName, LeavesOtherNamesAlone) {
    EXPECT_EQ(mm::CleanPortName("system:midi_capture_1"), "system:midi_capture_1"); // a JACK port
    EXPECT_EQ(mm::CleanPortName("Synth 20:"), "Synth 20:");
    EXPECT_EQ(mm::CleanPortName("Synth :0"), "Synth :0");
    EXPECT_EQ(mm::CleanPortName("Synth 2a:0"), "Synth 2a:0");
    EXPECT_EQ(mm::CleanPortName("20:0"), "20:0");
    EXPECT_EQ(mm::CleanPortName(" 20:0"), " 20:0");
    EXPECT_EQ(mm::CleanPortName(""), "");
}

TEST(PortName, OwnPortsOfEveryClientOfThisProgram) {
    EXPECT_TRUE(mm::IsOwnPort("ZM-47 Librarian:out"));
    EXPECT_TRUE(mm::IsOwnPort("ZM-47 Librarian-01:in")); // JACK's second client of the name
    EXPECT_TRUE(mm::IsOwnPort("ZM-47 Librarian-12:out"));
    EXPECT_FALSE(mm::IsOwnPort("ZM-47 Librarian:"));
    EXPECT_FALSE(mm::IsOwnPort("ZM-47 Librarian-:in"));
    EXPECT_FALSE(mm::IsOwnPort("ZM-47 Librarian-x1:in"));
    EXPECT_FALSE(mm::IsOwnPort("ZM-47 Librarian Twin:in"));
    EXPECT_FALSE(mm::IsOwnPort("ZM-47 Simulator Out:out"));
    EXPECT_FALSE(mm::IsOwnPort("ZM-47 Librarian"));
}

TEST(PortName, JackNamesAreMarkedAndReadBack) {
    EXPECT_EQ(mm::JackListedName("ZM-47 Simulator Out:out"), "JACK: ZM-47 Simulator Out:out");
    EXPECT_EQ(mm::JackFullName("JACK: system:midi_capture_1"), "system:midi_capture_1");
    EXPECT_EQ(mm::JackFullName("USB MIDI:USB MIDI MIDI 1"), "");
}

TEST(PortName, TheOwnPortAConnectionAdded) {
    const std::vector<std::string> before = {"ZM-47 Librarian:in", "Monitor:in"};
    const std::vector<std::string> after = {"ZM-47 Librarian:in", "Monitor:in", "Other:in", "ZM-47 Librarian-02:in"};
    EXPECT_EQ(mm::NewOwnConnection(before, after), "ZM-47 Librarian-02:in");
    // A connection that did not come about adds nothing of ours.
    EXPECT_EQ(mm::NewOwnConnection(before, {"ZM-47 Librarian:in", "Monitor:in", "Other:in"}), "");
}

TEST(AlsaPorts, FindsAPortAgainByNameAndOccurrence) {
    const std::vector<std::string> raw = {"ZM-47 Librarian:out 129:0", "Twin:Port 24:0", "Other:Port 25:0",
                                          "Twin:Port 28:0"};
    EXPECT_EQ(mm::FindAlsaPort(raw, "Twin:Port", 0), 1);
    EXPECT_EQ(mm::FindAlsaPort(raw, "Twin:Port", 1), 3);
    EXPECT_EQ(mm::FindAlsaPort(raw, "Twin:Port", 2), -1);
    EXPECT_EQ(mm::FindAlsaPort(raw, "ZM-47 Librarian:out", 0), -1);
}

TEST(AlsaPorts, ListedUnderUniqueNamesWithoutOwnPorts) {
    const std::vector<std::string> raw = {"Midi Through:Midi Through Port-0 14:0", "ZM-47 Librarian:in 129:0",
                                          "Twin:Port 24:0", "Twin:Port 28:0", "Twin:Port 32:0"};
    std::vector<std::shared_ptr<mm::OutputDevice>> devices;
    mm::AddAlsaOutputs(raw, devices);
    std::vector<std::string> names;
    for (const auto& device : devices)
        names.push_back(device->Name());
    EXPECT_EQ(names, (std::vector<std::string>{"Midi Through:Midi Through Port-0", "Twin:Port", "Twin:Port (2)",
                                               "Twin:Port (3)"}));
}

// Lists as the sequencer gave them before and after the device at 24:0 was
// unplugged and plugged in again.
TEST(AlsaPorts, AnOpenPortIsGoneWhenItsNumbersAre) {
    const std::string opened = "USB MIDI:USB MIDI MIDI 1 24:0";
    const std::vector<std::string> plugged = {"Midi Through:Midi Through Port-0 14:0", opened};
    const std::vector<std::string> unplugged = {"Midi Through:Midi Through Port-0 14:0"};
    const std::vector<std::string> replugged = {"Midi Through:Midi Through Port-0 14:0",
                                                "USB MIDI:USB MIDI MIDI 1 28:0"};
    EXPECT_TRUE(mm::AlsaPortPresent(plugged, opened));
    EXPECT_FALSE(mm::AlsaPortPresent(unplugged, opened));
    // Back under its name but as another client: the open connection does
    // not reach it, while the stored name finds it again.
    EXPECT_FALSE(mm::AlsaPortPresent(replugged, opened));
    EXPECT_EQ(mm::FindAlsaPort(replugged, mm::CleanPortName(opened), 0), 1);
}

// The same unplugging and plugging in, but the device comes back under its
// old numbers: only the lost subscription tells.
TEST(AlsaPorts, AnOpenPortIsGoneWhenItsSubscriptionIs) {
    const std::string opened = "USB MIDI:USB MIDI MIDI 1 24:0";
    const std::string own = "ZM-47 Librarian:in 130:0";
    const std::vector<std::string> listed = {"Midi Through:Midi Through Port-0 14:0", opened, own};
    EXPECT_EQ(mm::AlsaAddress(opened), "24:0");
    EXPECT_EQ(mm::AlsaAddress("system:midi_capture_1"), "");
    const std::vector<std::string> subscribed = {"Monitor:in 131:0", own};
    const std::vector<std::string> replugged = {"Monitor:in 131:0"};
    EXPECT_TRUE(mm::AlsaConnectionStands(listed, opened, own, subscribed));
    EXPECT_FALSE(mm::AlsaConnectionStands(listed, opened, own, replugged));
    EXPECT_FALSE(mm::AlsaConnectionStands({own}, opened, own, subscribed)) << "the port itself is gone";
    // Where the subscribers cannot be asked, or this program's port was not
    // seen when it was opened, the numbers decide.
    EXPECT_TRUE(mm::AlsaConnectionStands(listed, opened, own, std::nullopt));
    EXPECT_TRUE(mm::AlsaConnectionStands(listed, opened, "", replugged));
}

TEST(RtMidiBackend, WithoutASequencerListsNothingAndPrintsNothing) {
    mm::RtMidiBackend backend("/nonexistent/snd/seq", false);
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    EXPECT_FALSE(backend.SequencerPresent());
    std::vector<std::shared_ptr<mm::InputDevice>> inputs;
    std::vector<std::shared_ptr<mm::OutputDevice>> outputs;
    backend.ListInputs(inputs);
    backend.ListOutputs(outputs);
    EXPECT_TRUE(inputs.empty());
    EXPECT_TRUE(outputs.empty());
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
}

// Here (and on build servers) there is no sequencer and no JACK server: the
// table holds the virtual devices only, and opening past them fails without
// a word.
TEST(RtMidiBackend, TheDeviceTableWithoutAMidiSystem) {
    if (access("/dev/snd/seq", F_OK) == 0)
        GTEST_SKIP() << "this machine has a MIDI system";
    // A server name nobody runs: asking for it starts nothing and prints nothing.
    setenv("JACK_DEFAULT_SERVER", "zm47-no-such-server", 1);
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
