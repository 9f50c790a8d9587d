// The device API over virtual devices: enumeration, opening, input buffers,
// output completion and the injected faults.
#include "platform/mm/MMSystem.h"
#include "platform/mm/virtual/VirtualDevices.h"

#include <gtest/gtest.h>

#include <chrono>
#include <mutex>
#include <string>
#include <vector>

namespace {

using namespace mm;

struct Call {
    UINT message;
    DWORD_PTR param1;
    std::vector<std::uint8_t> bytes; // recorded bytes of a returned buffer
};

// Records every callback of an open input.
struct Recorder {
    std::mutex mutex;
    std::vector<Call> calls;

    static void Callback(HMIDIIN, UINT message, DWORD_PTR instance, DWORD_PTR param1, DWORD_PTR) {
        auto& self = *reinterpret_cast<Recorder*>(instance);
        Call call{message, param1, {}};
        if (message == MIM_LONGDATA || message == MIM_LONGERROR) {
            const auto* header = reinterpret_cast<const MIDIHDR*>(param1);
            call.bytes.assign(header->lpData, header->lpData + header->dwBytesRecorded);
        }
        std::lock_guard lock(self.mutex);
        self.calls.push_back(std::move(call));
    }
    std::vector<Call> Take() {
        std::lock_guard lock(mutex);
        return std::exchange(calls, {});
    }
};

int InputIndex(const std::string& name) {
    const UINT count = midiInGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        MIDIINCAPSA caps;
        if (midiInGetDevCapsA(i, &caps, sizeof caps) == MMSYSERR_NOERROR && name == caps.szPname)
            return static_cast<int>(i);
    }
    return -1;
}

int OutputIndex(const std::string& name) {
    const UINT count = midiOutGetNumDevs();
    for (UINT i = 0; i < count; ++i) {
        MIDIOUTCAPSA caps;
        if (midiOutGetDevCapsA(i, &caps, sizeof caps) == MMSYSERR_NOERROR && name == caps.szPname)
            return static_cast<int>(i);
    }
    return -1;
}

struct Buffer {
    explicit Buffer(std::size_t size) : bytes(size) {
        header.lpData = bytes.data();
        header.dwBufferLength = static_cast<DWORD>(size);
    }
    std::vector<char> bytes;
    MIDIHDR header;
};

class VirtualInput : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(midiInOpen(&handle, static_cast<UINT>(InputIndex("vin")), &Recorder::Callback,
                             reinterpret_cast<DWORD_PTR>(&recorder), CALLBACK_FUNCTION),
                  MMSYSERR_NOERROR);
        ASSERT_EQ(recorder.Take().size(), 1u); // MIM_OPEN
    }
    void TearDown() override {
        midiInReset(handle);
        for (auto& buffer : buffers)
            midiInUnprepareHeader(handle, &buffer.header, sizeof(MIDIHDR));
        EXPECT_EQ(midiInClose(handle), MMSYSERR_NOERROR);
    }
    void Queue(int count, std::size_t size) {
        buffers.reserve(16);
        for (int i = 0; i < count; ++i) {
            buffers.emplace_back(size);
            ASSERT_EQ(midiInPrepareHeader(handle, &buffers.back().header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
            ASSERT_EQ(midiInAddBuffer(handle, &buffers.back().header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
        }
    }
    void Send(std::initializer_list<std::uint8_t> bytes) {
        ASSERT_TRUE(device.Send(bytes));
        device.WaitUntilDelivered();
    }

    VirtualInputDevice device{"vin"};
    Recorder recorder;
    HMIDIIN handle = nullptr;
    std::vector<Buffer> buffers;
};

TEST_F(VirtualInput, NothingArrivesBeforeStart) {
    Queue(1, 16);
    Send({0x90, 0x3C, 0x40, 0xF0, 0x01, 0xF7});
    EXPECT_TRUE(recorder.Take().empty());
    EXPECT_EQ(device.QueuedBuffers(), 1);
}

TEST_F(VirtualInput, ShortMessagesArrivePacked) {
    ASSERT_EQ(midiInStart(handle), MMSYSERR_NOERROR);
    Send({0x90, 0x3C, 0x40, 0x3C, 0x00});
    const auto calls = recorder.Take();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].message, MIM_DATA);
    EXPECT_EQ(calls[0].param1, 0x403C90u);
    EXPECT_EQ(calls[1].param1, 0x003C90u);
}

TEST_F(VirtualInput, SystemExclusiveFillsBuffersInQueueOrder) {
    Queue(3, 4);
    ASSERT_EQ(midiInStart(handle), MMSYSERR_NOERROR);
    Send({0xF0, 1, 2, 3, 4, 5, 0xF7});
    const auto calls = recorder.Take();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].param1, reinterpret_cast<DWORD_PTR>(&buffers[0].header));
    EXPECT_EQ(calls[0].bytes, (std::vector<std::uint8_t>{0xF0, 1, 2, 3}));
    EXPECT_EQ(calls[1].param1, reinterpret_cast<DWORD_PTR>(&buffers[1].header));
    EXPECT_EQ(calls[1].bytes, (std::vector<std::uint8_t>{4, 5, 0xF7}));
    EXPECT_TRUE(buffers[0].header.dwFlags & MHDR_DONE);
    EXPECT_FALSE(buffers[0].header.dwFlags & MHDR_INQUEUE);
    EXPECT_EQ(device.QueuedBuffers(), 1);
}

TEST_F(VirtualInput, BytesWithoutABufferAreLost) {
    Queue(1, 4);
    ASSERT_EQ(midiInStart(handle), MMSYSERR_NOERROR);
    Send({0xF0, 1, 2, 3, 4, 5, 6, 0xF7});
    auto calls = recorder.Take();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].bytes.size(), 4u);
    Queue(1, 8);
    Send({0xF0, 9, 0xF7});
    calls = recorder.Take();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].bytes, (std::vector<std::uint8_t>{0xF0, 9, 0xF7}));
}

TEST_F(VirtualInput, CutShortMessageComesBackAsLongError) {
    Queue(2, 16);
    ASSERT_EQ(midiInStart(handle), MMSYSERR_NOERROR);
    Send({0xF0, 1, 2, 0x90, 0x3C, 0x40, 0xF7});
    const auto calls = recorder.Take();
    ASSERT_EQ(calls.size(), 3u);
    EXPECT_EQ(calls[0].message, MIM_LONGERROR);
    EXPECT_EQ(calls[0].bytes.size(), 3u);
    EXPECT_EQ(calls[1].message, MIM_DATA);
    EXPECT_EQ(calls[2].message, MIM_ERROR); // an end of exclusive without a start
}

TEST_F(VirtualInput, StopReturnsPartBufferAndResetReturnsEveryBufferEmpty) {
    Queue(3, 16);
    ASSERT_EQ(midiInStart(handle), MMSYSERR_NOERROR);
    Send({0xF0, 1, 2});
    ASSERT_EQ(midiInStop(handle), MMSYSERR_NOERROR);
    auto calls = recorder.Take();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].bytes.size(), 3u);
    EXPECT_EQ(device.QueuedBuffers(), 2);

    EXPECT_EQ(midiInClose(handle), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiInUnprepareHeader(handle, &buffers[1].header, sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    ASSERT_EQ(midiInReset(handle), MMSYSERR_NOERROR);
    calls = recorder.Take();
    ASSERT_EQ(calls.size(), 2u);
    for (const Call& call : calls) {
        EXPECT_EQ(call.message, MIM_LONGDATA);
        EXPECT_TRUE(call.bytes.empty());
    }
    EXPECT_EQ(device.QueuedBuffers(), 0);
    EXPECT_EQ(midiInUnprepareHeader(handle, &buffers[1].header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_FALSE(buffers[1].header.dwFlags & MHDR_PREPARED);
}

TEST_F(VirtualInput, BufferRules) {
    Buffer buffer(8);
    EXPECT_EQ(midiInAddBuffer(handle, &buffer.header, sizeof(MIDIHDR)), MIDIERR_UNPREPARED);
    EXPECT_EQ(midiInPrepareHeader(handle, &buffer.header, sizeof(MIDIHDR) - 1), MMSYSERR_INVALPARAM);
    ASSERT_EQ(midiInPrepareHeader(handle, &buffer.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    ASSERT_EQ(midiInAddBuffer(handle, &buffer.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInAddBuffer(handle, &buffer.header, sizeof(MIDIHDR)), MIDIERR_STILLPLAYING);
    device.ReturnFirstBuffer();
    const auto calls = recorder.Take();
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].bytes.empty());
    EXPECT_EQ(midiInUnprepareHeader(handle, &buffer.header, sizeof(MIDIHDR)), MMSYSERR_NOERROR);
}

TEST(VirtualDevices, ListedInOrderAndGoneWhenUnplugged) {
    auto first = std::make_unique<VirtualInputDevice>("vlist-a");
    VirtualInputDevice second("vlist-b");
    const int a = InputIndex("vlist-a");
    const int b = InputIndex("vlist-b");
    ASSERT_GE(a, 0);
    EXPECT_GT(b, a);
    first.reset();
    EXPECT_EQ(InputIndex("vlist-a"), -1);
    EXPECT_EQ(InputIndex("vlist-b"), a);
}

TEST(VirtualDevices, OpenFailuresAndUnplugging) {
    VirtualDevicePair pair("vfaults");
    HMIDIIN in = nullptr;
    pair.input.FailOpens(MMSYSERR_ALLOCATED);
    EXPECT_EQ(midiInOpen(&in, static_cast<UINT>(InputIndex("vfaults")), nullptr, 0, CALLBACK_NULL),
              MMSYSERR_ALLOCATED);
    EXPECT_EQ(in, nullptr);
    pair.input.FailOpens(MMSYSERR_NOERROR);
    ASSERT_EQ(midiInOpen(&in, static_cast<UINT>(InputIndex("vfaults")), nullptr, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    HMIDIIN second = nullptr;
    EXPECT_EQ(midiInOpen(&second, static_cast<UINT>(InputIndex("vfaults")), nullptr, 0, CALLBACK_NULL),
              MMSYSERR_ALLOCATED);
    EXPECT_TRUE(pair.input.IsOpen());

    HMIDIOUT out = nullptr;
    ASSERT_EQ(midiOutOpen(&out, static_cast<UINT>(OutputIndex("vfaults")), 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    MIDIINCAPSA inCaps;
    MIDIOUTCAPSA outCaps;
    EXPECT_EQ(midiInGetDevCapsA(reinterpret_cast<UINT_PTR>(in), &inCaps, sizeof inCaps), MMSYSERR_NOERROR);
    EXPECT_STREQ(inCaps.szPname, "vfaults");

    pair.input.Unplug();
    pair.output.Unplug();
    EXPECT_EQ(InputIndex("vfaults"), -1);
    EXPECT_EQ(midiInGetDevCapsA(reinterpret_cast<UINT_PTR>(in), &inCaps, sizeof inCaps), MMSYSERR_NODRIVER);
    EXPECT_EQ(midiOutGetDevCapsA(reinterpret_cast<UINT_PTR>(out), &outCaps, sizeof outCaps), MMSYSERR_NODRIVER);
    EXPECT_FALSE(pair.input.Send({0xF8}));
    EXPECT_EQ(midiOutShortMsg(out, 0x90), MMSYSERR_NODRIVER);
    EXPECT_EQ(midiInClose(in), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(out), MMSYSERR_NOERROR);
    EXPECT_EQ(midiInClose(in), MMSYSERR_INVALHANDLE);
    EXPECT_FALSE(pair.input.IsOpen());
}

TEST(VirtualDevices, OutputMessagesAndCompletion) {
    std::vector<std::vector<std::uint8_t>> received;
    VirtualOutputDevice device(
        "vout", [&](std::span<const std::uint8_t> bytes) { received.emplace_back(bytes.begin(), bytes.end()); });
    HMIDIOUT out = nullptr;
    ASSERT_EQ(midiOutOpen(&out, static_cast<UINT>(OutputIndex("vout")), 0, 0, CALLBACK_NULL), MMSYSERR_NOERROR);
    EXPECT_TRUE(device.IsOpen());
    EXPECT_EQ(midiOutShortMsg(out, 0x7F3C90), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutShortMsg(out, 0x05C0), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutShortMsg(out, 0xF0), MMSYSERR_INVALPARAM);
    EXPECT_EQ(midiOutShortMsg(out, 0x3C), MMSYSERR_INVALPARAM);

    char sysex[] = {'\xF0', 0x41, 0x10, '\xF7'};
    MIDIHDR header;
    header.lpData = sysex;
    header.dwBufferLength = sizeof sysex;
    EXPECT_EQ(midiOutLongMsg(out, &header, sizeof header), MIDIERR_UNPREPARED);
    ASSERT_EQ(midiOutPrepareHeader(out, &header, sizeof header), MMSYSERR_NOERROR);
    ASSERT_EQ(midiOutLongMsg(out, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_TRUE(header.dwFlags & MHDR_DONE);

    device.HoldLongMessages(true);
    ASSERT_EQ(midiOutLongMsg(out, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_FALSE(header.dwFlags & MHDR_DONE);
    EXPECT_EQ(midiOutUnprepareHeader(out, &header, sizeof header), MIDIERR_STILLPLAYING);
    EXPECT_EQ(midiOutClose(out), MIDIERR_STILLPLAYING);
    ASSERT_EQ(midiOutReset(out), MMSYSERR_NOERROR);
    EXPECT_TRUE(header.dwFlags & MHDR_DONE);
    EXPECT_EQ(device.Resets(), 1);
    EXPECT_EQ(midiOutUnprepareHeader(out, &header, sizeof header), MMSYSERR_NOERROR);
    EXPECT_EQ(midiOutClose(out), MMSYSERR_NOERROR);
    EXPECT_FALSE(device.IsOpen());

    const std::vector<std::vector<std::uint8_t>> expected = {
        {0x90, 0x3C, 0x7F}, {0xC0, 0x05}, {0xF0, 0x41, 0x10, 0xF7}, {0xF0, 0x41, 0x10, 0xF7}};
    EXPECT_EQ(received, expected);
}

TEST(VirtualDevices, WireSpeedTakesAtLeastTheWireTime) {
    VirtualInputDevice device("vwire");
    device.SetWireSpeed(true);
    Recorder recorder;
    HMIDIIN in = nullptr;
    ASSERT_EQ(midiInOpen(&in, static_cast<UINT>(InputIndex("vwire")), &Recorder::Callback,
                         reinterpret_cast<DWORD_PTR>(&recorder), CALLBACK_FUNCTION),
              MMSYSERR_NOERROR);
    ASSERT_EQ(midiInStart(in), MMSYSERR_NOERROR);
    const auto start = std::chrono::steady_clock::now();
    std::vector<std::uint8_t> notes;
    for (int i = 0; i < 10; ++i)
        notes.insert(notes.end(), {0x90, 0x3C, 0x40});
    ASSERT_TRUE(device.Send(notes));
    device.WaitUntilDelivered();
    // A lower bound only: 30 bytes cannot arrive before their wire time.
    EXPECT_GE(std::chrono::steady_clock::now() - start, kWireTimePerByte * 30);
    EXPECT_EQ(recorder.Take().size(), 11u); // MIM_OPEN and ten notes
    EXPECT_EQ(midiInClose(in), MMSYSERR_NOERROR);
}

TEST(VirtualDevices, BadHandlesAndIdsAreRefused) {
    HMIDIIN in = nullptr;
    EXPECT_EQ(midiInOpen(&in, 100000, nullptr, 0, CALLBACK_NULL), MMSYSERR_BADDEVICEID);
    EXPECT_EQ(midiInStart(nullptr), MMSYSERR_INVALHANDLE);
    EXPECT_EQ(midiOutShortMsg(nullptr, 0x90), MMSYSERR_INVALHANDLE);
    MIDIINCAPSA caps;
    EXPECT_EQ(midiInGetDevCapsA(100000, &caps, sizeof caps), MMSYSERR_BADDEVICEID);
}

} // namespace
