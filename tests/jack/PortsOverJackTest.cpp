// The platform's MIDI API on JACK ports of the simulated unit's process:
// what a send returns and what an open handle says once the far side has
// gone, and opening again when it is back.
#include "tests/jack/JackFixture.h"

#include "ml/TransferScope.h"
#include "platform/mm/MMSystem.h"
#include "platform/mm/rtmidi/JackSystem.h"

#include <atomic>
#include <cstring>
#include <thread>

namespace jack_test {
namespace {

constexpr std::uint8_t kIdentityRequest[] = {0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};

std::optional<mm::UINT> InputIndex(const std::string& name) {
    for (mm::UINT i = 0, n = mm::midiInGetNumDevs(); i < n; ++i) {
        mm::MIDIINCAPSA caps;
        if (mm::midiInGetDevCapsA(i, &caps, sizeof caps) == mm::MMSYSERR_NOERROR && name == caps.szPname)
            return i;
    }
    return std::nullopt;
}

std::optional<mm::UINT> OutputIndex(const std::string& name) {
    for (mm::UINT i = 0, n = mm::midiOutGetNumDevs(); i < n; ++i) {
        mm::MIDIOUTCAPSA caps;
        if (mm::midiOutGetDevCapsA(i, &caps, sizeof caps) == mm::MMSYSERR_NOERROR && name == caps.szPname)
            return i;
    }
    return std::nullopt;
}

// Counts the system-exclusive messages that arrive whole.
void CountReplies(mm::HMIDIIN, mm::UINT message, mm::DWORD_PTR instance, mm::DWORD_PTR param1, mm::DWORD_PTR) {
    const auto* header = reinterpret_cast<const mm::MIDIHDR*>(param1);
    if (message == mm::MIM_LONGDATA && header->dwBytesRecorded > 0)
        reinterpret_cast<std::atomic<int>*>(instance)->fetch_add(1);
}

class PortsOverJack : public JackFixture {
protected:
    void TearDown() override {
        if (in != nullptr) {
            mm::midiInReset(in);
            mm::midiInUnprepareHeader(in, &header, sizeof header);
            mm::midiInClose(in);
        }
        if (out != nullptr)
            mm::midiOutClose(out);
        JackFixture::TearDown();
    }

    void Open() {
        const auto input = InputIndex(kUnitInput);
        const auto output = OutputIndex(kUnitOutput);
        ASSERT_TRUE(input && output);
        ASSERT_EQ(mm::midiInOpen(&in, *input, &CountReplies, reinterpret_cast<mm::DWORD_PTR>(&replies),
                                 mm::CALLBACK_FUNCTION),
                  mm::MMSYSERR_NOERROR);
        header.lpData = buffer;
        header.dwBufferLength = sizeof buffer;
        ASSERT_EQ(mm::midiInPrepareHeader(in, &header, sizeof header), mm::MMSYSERR_NOERROR);
        ASSERT_EQ(mm::midiInAddBuffer(in, &header, sizeof header), mm::MMSYSERR_NOERROR);
        ASSERT_EQ(mm::midiInStart(in), mm::MMSYSERR_NOERROR);
        ASSERT_EQ(mm::midiOutOpen(&out, *output, 0, 0, mm::CALLBACK_NULL), mm::MMSYSERR_NOERROR);
    }

    mm::MMRESULT SendIdentityRequest() {
        std::memcpy(request, kIdentityRequest, sizeof kIdentityRequest);
        mm::MIDIHDR sent{};
        sent.lpData = request;
        sent.dwBufferLength = sizeof kIdentityRequest;
        mm::midiOutPrepareHeader(out, &sent, sizeof sent);
        const mm::MMRESULT result = mm::midiOutLongMsg(out, &sent, sizeof sent);
        mm::midiOutUnprepareHeader(out, &sent, sizeof sent);
        return result;
    }

    // Sends the identity request until the unit answers, three times at
    // most: on a loaded machine a process that misses JACK's cycle can lose
    // an event, which the requester's second try covers in the program.
    bool Answered() {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (SendIdentityRequest() != mm::MMSYSERR_NOERROR)
                return false;
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(2);
            while (replies.load() == 0 && std::chrono::steady_clock::now() < deadline)
                std::this_thread::sleep_for(std::chrono::milliseconds(2));
            if (replies.load() > 0)
                return true;
        }
        return false;
    }

    bool HandlesPresent() {
        mm::MIDIINCAPSA inCaps;
        mm::MIDIOUTCAPSA outCaps;
        const bool input = mm::midiInGetDevCapsA(reinterpret_cast<mm::UINT_PTR>(in), &inCaps, sizeof inCaps) == 0;
        const bool output = mm::midiOutGetDevCapsA(reinterpret_cast<mm::UINT_PTR>(out), &outCaps, sizeof outCaps) == 0;
        EXPECT_EQ(input, output);
        return input && output;
    }

    mm::HMIDIIN in = nullptr;
    mm::HMIDIOUT out = nullptr;
    mm::MIDIHDR header{};
    char buffer[256] = {};
    char request[sizeof kIdentityRequest] = {};
    std::atomic<int> replies{0};
};

TEST_F(PortsOverJack, TheUnitAnswersAndAGoneOrRestartedUnitLeavesTheHandlesClosed) {
    Open();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(HandlesPresent());
    EXPECT_TRUE(Answered());

    StopUnit(SIGKILL);
    EXPECT_FALSE(HandlesPresent());
    EXPECT_NE(SendIdentityRequest(), mm::MMSYSERR_NOERROR) << "a send to a port that is gone is no success";

    // Back under the same names, but nothing connects the old handles to
    // the new ports: they stay closed, and opening again reaches the unit.
    StartUnit();
    EXPECT_FALSE(HandlesPresent());
    EXPECT_NE(SendIdentityRequest(), mm::MMSYSERR_NOERROR);
    mm::midiInReset(in);
    mm::midiInUnprepareHeader(in, &header, sizeof header);
    ASSERT_EQ(mm::midiInClose(in), mm::MMSYSERR_NOERROR);
    ASSERT_EQ(mm::midiOutClose(out), mm::MMSYSERR_NOERROR);
    in = nullptr;
    out = nullptr;
    replies = 0;
    Open();
    ASSERT_FALSE(HasFatalFailure());
    EXPECT_TRUE(HandlesPresent());
    EXPECT_TRUE(Answered());
}

// The unit's port belongs to another program, not to a cable: it says so,
// and the output port of the engine then does not imitate a cable's rate.
TEST_F(PortsOverJack, APortOfAnotherProgramDeclaresItNeedsNoCablePacing) {
    const auto output = OutputIndex(kUnitOutput);
    ASSERT_TRUE(output);
    mm::MIDIOUTCAPSA caps;
    ASSERT_EQ(mm::midiOutGetDevCapsA(*output, &caps, sizeof caps), mm::MMSYSERR_NOERROR);
    EXPECT_EQ(caps.dwSupport & mm::MIDICAPS_SELFPACED, mm::MIDICAPS_SELFPACED);
    ASSERT_EQ(mm::midiOutOpen(&out, *output, 0, 0, mm::CALLBACK_NULL), mm::MMSYSERR_NOERROR);
    caps = {};
    ASSERT_EQ(mm::midiOutGetDevCapsA(reinterpret_cast<mm::UINT_PTR>(out), &caps, sizeof caps), mm::MMSYSERR_NOERROR);
    EXPECT_EQ(caps.dwSupport & mm::MIDICAPS_SELFPACED, mm::MIDICAPS_SELFPACED);
}

// A server whose period is left to its clients, as a desktop's PipeWire
// runs (1024 frames unless a client asks for less); JACK 2 runs at the
// fixture's period as always.
class PeriodOverJack : public PortsOverJack {
protected:
    void SetUp() override {
        server.SetFixedPeriod(false);
        PortsOverJack::SetUp();
    }
};

TEST_F(PeriodOverJack, ATransferRunsThisProgramsPortsAtShortPeriodsOnPipeWireOnly) {
    mm::JackSystem& jack = mm::JackSystem::Instance();
    const unsigned found = jack.Period();
    ASSERT_GT(found, 0u);
    EXPECT_FALSE(jack.ShortenPeriod(64)) << "nothing is asked while the program has no JACK ports";

    Open();
    ASSERT_FALSE(HasFatalFailure());
    if (!test::PrivateJackServer::PipeWireChosen()) {
        // JACK 2 has one period for every program: it is never asked.
        EXPECT_FALSE(jack.ShortenPeriod(64));
        EXPECT_EQ(jack.Period(), found);
        return;
    }
    ASSERT_EQ(found, 1024u);
    {
        const ML::CTransferScope transfer;
        EXPECT_TRUE(test::PollUntil([&] { return jack.Period() == 128; }, std::chrono::seconds(5)));
        { const ML::CTransferScope nested; }
        EXPECT_EQ(jack.Period(), 128u) << "only the outermost transfer gives the period back";
        EXPECT_TRUE(Answered());
    }
    // Back at once, and it stays: nothing of this program holds the short
    // period any more.
    EXPECT_EQ(jack.Period(), found);
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    EXPECT_EQ(jack.Period(), found);
    // The settings every program on the server shares were never touched.
    const test::RunResult settings =
        test::RunProgram({test::FindProgram("pw-metadata"), "-n", "settings", "0", "clock.force-quantum"}, folder,
                         std::chrono::seconds(10));
    EXPECT_THAT(settings.out, ::testing::HasSubstr("value:'0'"));
}

} // namespace
} // namespace jack_test
