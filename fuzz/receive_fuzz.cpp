// Received MIDI bytes end to end: a byte stream played by a virtual device
// goes through the input port, its dispatch thread, the engine's input
// device and logical input to the reader, either while the reader waits for
// one patch or while nothing is being read.
//
// Input: the first byte chooses the case (bit 0: a read of MEMORY patch
// (byte >> 1) % 60 whose data request the unit answers with the stream; else
// the stream arrives unasked); the rest is the stream. Status byte 9F is
// turned into 9E: 9F marks the end of each stream.
//
// The one thing that may change the image is a complete data set of this
// unit (device id 0x10, model 00 00 45, command 0x12) for the requested
// address with 128 data bytes and a correct checksum, arriving while that
// address is being read. Anything else leaves every patch as it was.
#include "data/ImageData.h"
#include "data/ParameterAddress.h"
#include "engine/MidiEngine.h"
#include "engine/Reader.h"
#include "ml/ShortMessage.h"
#include "ml/TickClock.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "platform/msgwin/MessageQueue.h"
#include "fuzz/FuzzSupport.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <mutex>
#include <span>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr char kUnitName[] = "Receive Fuzz Unit";
constexpr std::uint8_t kMarkerStatus = 0x9F;
constexpr int kMemory = 0x21;

void Require(bool condition, const char* what) { fuzzsupport::Require(condition, "receive fuzz", what); }

// Moves only when asked to sleep, so a wait that sees nothing ends after a
// short grace of real time instead of its full timeout.
class ManualClock : public ML::ITickClock {
public:
    std::uint32_t GetTickCount() override { return now; }
    void Sleep(std::uint32_t milliseconds) override { now += milliseconds; }
    std::uint32_t now = 1000;
};

// The reader, also watching for the note that ends each stream.
class MarkedReader : public AReader {
public:
    using AReader::AReader;
    bool ReceiveShort(const ML::CShortMessage& message) override {
        if (!expected.empty() && Bytes(message.begin(), message.end()) == expected)
            marked = true;
        return AReader::ReceiveShort(message);
    }
    Bytes expected;
    bool marked = false;
};

// The data sets a receiver could take from the stream: every system-
// exclusive message from F0 to F7 as the wire delivers it (real-time bytes
// pass beside it; any other status byte cuts it off).
std::vector<Bytes> CompleteSysEx(std::span<const std::uint8_t> stream) {
    std::vector<Bytes> found;
    Bytes current;
    bool inside = false;
    for (std::uint8_t byte : stream) {
        if (byte >= 0xF8)
            continue;
        if (byte < 0x80) {
            if (inside)
                current.push_back(byte);
            continue;
        }
        if (inside && byte == 0xF7) {
            current.push_back(byte);
            found.push_back(current);
        }
        inside = byte == 0xF0;
        current.assign(inside ? 1 : 0, 0xF0);
    }
    return found;
}

// The 128 data bytes, if the message is a correct data set for address.
bool DataSetFor(const Bytes& message, DeviceAddress address, Bytes& data) {
    DeviceAddress found = 0;
    return fuzzsupport::WholeDataSet(message, found, data) && found == address;
}

Bytes PatchBytes(const CImageData& image, int area, int index) {
    const auto* segment = image.GetArray(area).At(static_cast<std::size_t>(index))->FindSegment(0, 0);
    return segment ? *segment : Bytes();
}

class Harness {
public:
    Harness() : unit_(kUnitName, [this](std::span<const std::uint8_t> bytes) { Answer(bytes); }), reader_(clock_) {
        previousDialog_ = UL::SetTextDialog(std::make_unique<fuzzsupport::SilentDialog>());
        engine_.transientText.SetSink([](std::string_view) {});
        Require(engine_.ConfigurePorts(), "ports");
        COruMidiSetup& setup = engine_.setup;
        setup.BindInput(engine_.ports.inputs[0], kUnitName);
        setup.BindOutput(engine_.ports.outputs[0], kUnitName);
        Require(setup.OpenAll(), "devices open");
        setup.SetWaitGrace(std::chrono::milliseconds(5));
        reader_.SetSetup(&setup);
        reader_.SetInput(&engine_.ports.inputs[0]);
        reader_.SetOutput(&engine_.ports.outputs[0]);
        reader_.SetAttempts(1);
        engine_.ports.inputs[0].receiver = &reader_;
        image_.FillWithNewPatches();
    }
    ~Harness() {
        engine_.ports.inputs[0].receiver = nullptr;
        engine_.Shutdown();
        UL::SetTextDialog(std::move(previousDialog_));
    }

    void Run(std::span<const std::uint8_t> input) {
        if (input.empty())
            return;
        const bool reading = input[0] & 1;
        const int index = (input[0] >> 1) % 60;
        Bytes stream(input.begin() + 1, input.end());
        for (std::uint8_t& byte : stream)
            if (byte == kMarkerStatus)
                byte = kMarkerStatus - 1;
        const Bytes marker = NextMarker();
        // F7 ends a message left open, F6 clears the running status the
        // marker leaves for the next stream.
        for (std::uint8_t byte : {std::uint8_t{0xF7}, marker[0], marker[1], marker[2], std::uint8_t{0xF6}})
            stream.push_back(byte);

        std::vector<Bytes> before;
        for (int area = 1; area <= kAreaCount; ++area)
            for (std::size_t i = 0; i < image_.GetArray(area).Size(); ++i)
                before.push_back(PatchBytes(image_, area, static_cast<int>(i)));

        reader_.expected = marker;
        reader_.marked = false;
        const CParameterAddress map;
        const DeviceAddress address = map.PatchAddress(kMemory, index);
        std::vector<Bytes> acceptable;
        if (reading) {
            for (const Bytes& message : CompleteSysEx(stream)) {
                Bytes data;
                if (DataSetFor(message, address, data))
                    acceptable.push_back(data);
            }
            SetAnswer(stream);
            reader_.ReadPatches(kMemory, {index}, image_);
            SetAnswer({});
        } else {
            Require(unit_.input.Send(stream), "stream sent");
        }
        Drain(marker);

        std::size_t at = 0;
        for (int area = 1; area <= kAreaCount; ++area) {
            for (std::size_t i = 0; i < image_.GetArray(area).Size(); ++i, ++at) {
                const Bytes now = PatchBytes(image_, area, static_cast<int>(i));
                if (now == before[at])
                    continue;
                Require(reading && area == 1 && static_cast<int>(i) == index, "a patch changed that was not read");
                Require(std::find(acceptable.begin(), acceptable.end(), now) != acceptable.end(),
                        "a patch changed to data no correct data set carried");
            }
        }
    }

private:
    Bytes NextMarker() {
        ++markers_;
        return {kMarkerStatus, static_cast<std::uint8_t>(markers_ & 0x7F),
                static_cast<std::uint8_t>((markers_ >> 7) & 0x7F)};
    }

    // The unit answers the identity request as it should and a data request
    // with the stream.
    void Answer(std::span<const std::uint8_t> received) {
        const Bytes identityRequest{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};
        if (Bytes(received.begin(), received.end()) == identityRequest) {
            unit_.input.Send(
                {0xF0, 0x7E, 0x10, 0x06, 0x02, 0x41, 0x45, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7});
            return;
        }
        std::lock_guard lock(answerMutex_);
        if (received.size() == 17 && received[6] == 0x11 && !answer_.empty())
            unit_.input.Send(answer_);
    }
    void SetAnswer(Bytes answer) {
        std::lock_guard lock(answerMutex_);
        answer_ = std::move(answer);
    }

    // Pumps until the marker has come through (it may have already, in the
    // read's own wait): then everything sent before it has been handled. A
    // marker lost to a full event ring is sent again.
    void Drain(const Bytes& marker) {
        using Clock = std::chrono::steady_clock;
        const auto giveUp = Clock::now() + std::chrono::seconds(20);
        auto resend = Clock::now() + std::chrono::seconds(1);
        while (!reader_.marked) {
            Require(Clock::now() < giveUp, "the end of the stream never arrived");
            if (Clock::now() > resend) {
                unit_.input.Send(marker);
                unit_.input.Send({0xF6});
                resend = Clock::now() + std::chrono::seconds(1);
            }
            engine_.setup.PumpInput(engine_.ports.inputs[0]);
            msgwin::MessageQueue::ForCurrentThread().WaitForRange(msgwin::WM_USER, msgwin::WM_USER_LAST,
                                                                  std::chrono::milliseconds(10));
        }
    }

    mm::VirtualDevicePair unit_;
    CMidiEngine engine_;
    ManualClock clock_;
    MarkedReader reader_;
    CImageData image_;
    std::mutex answerMutex_;
    Bytes answer_;
    std::uint32_t markers_ = 0;
    std::unique_ptr<UL::ITextDialog> previousDialog_;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static Harness harness;
    harness.Run({data, size});
    return 0;
}
