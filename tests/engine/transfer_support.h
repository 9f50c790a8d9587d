#pragma once
// Helpers of the transfer tests: a small fake unit on a virtual device pair
// that records what it receives (with the time on the test clock) and
// answers through a replaceable reply function, a progress display that
// logs its calls, and a fixture with the reader and writer wired to the
// unit's ports as at start-up.
#include "data/ImageData.h"
#include "data/ParameterAddress.h"
#include "engine/ImportTally.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"
#include "ml/TessanMessage.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "tests/engine/setup_support.h"
#include "toolkit/core/Progress.h"

#include <atomic>
#include <functional>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace test {

// Moves only when asked to sleep.
class TestClock : public ML::ITickClock {
public:
    std::uint32_t GetTickCount() override { return now.load(); }
    void Sleep(std::uint32_t milliseconds) override { now += milliseconds; }
    std::atomic<std::uint32_t> now{50000};
};

inline const Bytes kIdentityRequest{0xF0, 0x7E, 0x10, 0x06, 0x01, 0xF7};

inline Bytes IdentityReply(std::uint8_t family = 0x45) {
    return {0xF0, 0x7E, 0x10, 0x06, 0x02, 0x41, family, 0x02, 0x00, 0x00, 0x00, 0x01, 0x00, 0x00, 0xF7};
}

// The data bytes the fake unit keeps at an address: distinct per address.
inline Bytes UnitData(DeviceAddress address, std::size_t size = 128) {
    Bytes data(size);
    for (std::size_t i = 0; i < size; ++i)
        data[i] = static_cast<std::uint8_t>((address / 128 * 7 + (address >> 14) * 3 + i) & 0x7F);
    return data;
}

// The unit's data set: device id 0x10, model 00 00 45, command 0x12.
inline Bytes DataSet(DeviceAddress address, const Bytes& data, std::uint8_t deviceId = 0x10) {
    ML::CTessanMessage message;
    message.SetManufacturerId(0x41);
    message.SetDeviceId(deviceId);
    const std::uint8_t model[] = {0x00, 0x00, 0x45};
    message.SetModelId(model);
    message.SetCommand(ML::DataSetCommand());
    message.SetAddress(AddressToBytes(address, 4));
    message.SetData(data);
    message.UpdateChecksum();
    return Bytes(message.begin(), message.end());
}

// The address of a data request, if the bytes are one.
inline std::optional<DeviceAddress> RequestedAddress(const Bytes& bytes) {
    ML::CTessanMessage message;
    if (bytes.size() != 17 || !message.Parse(bytes, 4) || message.GetCommand() != Bytes{0x11})
        return std::nullopt;
    return AddressFromBytes(message.GetSection(ML::CTessanMessage::Address));
}

class FakeUnit {
public:
    // What the unit answers to one received message (nothing, one or more).
    using Reply = std::function<std::vector<Bytes>(const Bytes& received)>;

    FakeUnit(const std::string& name, ML::ITickClock& clock)
        : clock_(clock), pair_(name, [this](std::span<const std::uint8_t> bytes) { OnReceived(bytes); }) {}

    // Answers the identity request and every data request for 128 bytes,
    // like a healthy unit.
    static std::vector<Bytes> Healthy(const Bytes& received) {
        if (received == kIdentityRequest)
            return {IdentityReply()};
        if (auto address = RequestedAddress(received))
            return {DataSet(*address, UnitData(*address))};
        return {};
    }

    void SetReply(Reply reply) {
        std::lock_guard lock(mutex_);
        reply_ = std::move(reply);
    }
    std::vector<Bytes> Received() const {
        std::lock_guard lock(mutex_);
        return received_;
    }
    std::vector<std::uint32_t> ReceivedAt() const {
        std::lock_guard lock(mutex_);
        return receivedAt_;
    }
    std::size_t Count(const std::function<bool(const Bytes&)>& which) const {
        std::size_t n = 0;
        for (const Bytes& bytes : Received())
            n += which(bytes) ? 1 : 0;
        return n;
    }
    // Sends bytes as if the unit had sent them on its own.
    void Push(const Bytes& bytes) { pair_.input.Send(bytes); }
    // Pulls the unit's cable; allowed inside a reply function.
    void Unplug() {
        pair_.output.Unplug();
        pair_.input.Unplug();
    }
    // Pulls only the cable into the unit: what it sends still arrives.
    void UnplugInput() { pair_.output.Unplug(); }

private:
    void OnReceived(std::span<const std::uint8_t> span) {
        const Bytes bytes(span.begin(), span.end());
        std::vector<Bytes> replies;
        {
            std::lock_guard lock(mutex_);
            received_.push_back(bytes);
            receivedAt_.push_back(clock_.GetTickCount());
            replies = reply_(bytes);
        }
        for (const Bytes& reply : replies)
            pair_.input.Send(reply);
    }

    ML::ITickClock& clock_;
    mutable std::mutex mutex_;
    std::vector<Bytes> received_;
    std::vector<std::uint32_t> receivedAt_;
    Reply reply_ = Healthy;
    mm::VirtualDevicePair pair_; // last: its handler uses the members above
};

// Logs every call as one short line; "Cancel" is pressed at a given call of
// IsCancelled (counted from 1).
class LoggingProgress : public GT::IProgress {
public:
    bool Begin() override { return Log("begin"); }
    void End() override { Log("end"); }
    void SetRange(int maximum) override { Log("range " + std::to_string(maximum)); }
    bool SetPos(int position) override { return Log("pos " + std::to_string(position)); }
    void SetTitle(std::string_view text) override { Log("title '" + std::string(text) + "'"); }
    bool SetText(std::string_view text) override { return Log("text '" + std::string(text) + "'"); }
    void SetCancellable(bool on) override { Log(on ? "cancellable" : "not cancellable"); }
    bool IsCancelled() override {
        Log("cancelled?");
        return ++asked == cancelAt;
    }

    std::vector<std::string> log;
    int cancelAt = 0;
    int asked = 0;

private:
    bool Log(std::string line) {
        log.push_back(std::move(line));
        return true;
    }
};

// Ports as at start-up, input 0 and output 0 bound to a fake unit whose
// device names are the test's own, and the reader and writer on the test
// clock.
class TransferTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        unit_.emplace(UnitName(), clock);
        engine.setup.BindInput(Input(0), UnitName());
        engine.setup.BindOutput(Output(0), UnitName());
        engine.setup.State().SetQuiet(engine.setup.OpenAll());
        reader.emplace(clock);
        reader->SetSetup(&engine.setup);
        reader->SetInput(&Input(0));
        reader->SetOutput(&Output(0));
        reader->SetProgress(&progress);
        Input(0).receiver = &*reader;
        writer.emplace(clock);
        writer->SetSetup(&engine.setup);
        writer->SetOutput(&Output(0));
        writer->SetReader(&*reader);
        writer->SetProgress(&progress);
        image.FillWithNewPatches();
    }
    void TearDown() override {
        Input(0).receiver = nullptr;
        EngineTest::TearDown();
    }

    static std::string UnitName() {
        return std::string("Transfer ") + ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    FakeUnit& Unit() { return *unit_; }
    // Texts of the message boxes shown so far.
    // The texts shown, without the paragraph that names the transfer and
    // its ports (Details has it).
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& shown : dialog.shown()) {
            std::string text = shown.text;
            const std::size_t device = text.find("\nDevice ID: ");
            if (device != std::string::npos) {
                const std::size_t begin = text.rfind("\n\n", device);
                const std::size_t end = text.find("\n\n", device);
                if (begin != std::string::npos)
                    text.erase(begin, end == std::string::npos ? std::string::npos : end - begin);
            }
            texts.push_back(text);
        }
        return texts;
    }
    // The paragraph of each text shown that names the transfer and its ports.
    std::vector<std::string> Details() const {
        std::vector<std::string> details;
        for (const auto& shown : dialog.shown()) {
            const std::size_t device = shown.text.find("\nDevice ID: ");
            if (device == std::string::npos)
                continue;
            const std::size_t begin = shown.text.rfind("\n\n", device);
            const std::size_t end = shown.text.find("\n\n", device);
            const std::size_t from = begin == std::string::npos ? 0 : begin + 2;
            details.push_back(shown.text.substr(from, end == std::string::npos ? std::string::npos : end - from));
        }
        return details;
    }
    static std::string Text(int id) { return GetMessageTable().Get(id); }
    static bool IsIdentityRequest(const Bytes& bytes) { return bytes == kIdentityRequest; }
    static bool IsDataRequest(const Bytes& bytes) { return RequestedAddress(bytes).has_value(); }
    static Bytes PatchBytes(const CImageData& image, int areaNumber, int index) {
        const auto* segment = image.GetArray(areaNumber).At(static_cast<std::size_t>(index))->FindSegment(0, 0);
        return segment ? *segment : Bytes();
    }

    TestClock clock;
    LoggingProgress progress;
    CImageData image;
    std::optional<AReader> reader;
    std::optional<CWriter> writer;
    const CParameterAddress map;

private:
    std::optional<FakeUnit> unit_;
};

} // namespace test
