#pragma once
// Helpers of the engine's port, device and setup tests: the start-up port
// configuration with captured text sinks and message boxes, a receiver and
// an output device that record what they get, and pumping until something
// has arrived.
#include "engine/MidiDeviceList.h"
#include "engine/MidiEngine.h"
#include "engine/MidiReceiver.h"
#include "ml/TickClock.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <vector>

namespace test {

using Bytes = std::vector<std::uint8_t>;

class RecordingReceiver : public IOruMidiReceiver {
public:
    explicit RecordingReceiver(std::string tag = {}, std::vector<std::string>* log = nullptr)
        : tag_(std::move(tag)), log_(log) {}
    bool ReceiveShort(const ML::CShortMessage& message) override { return Record(shorts, message); }
    bool ReceiveUniversal(const ML::CLongMessage& message) override { return Record(universals, message); }
    bool ReceiveDataSet(const ML::CTessanMessage& message) override { return Record(dataSets, message); }
    std::size_t Total() const { return shorts.size() + universals.size() + dataSets.size(); }

    std::vector<Bytes> shorts, universals, dataSets;

private:
    bool Record(std::vector<Bytes>& into, const ML::CMessage& message) {
        into.emplace_back(message.begin(), message.end());
        if (log_)
            log_->push_back(tag_);
        return true;
    }
    std::string tag_;
    std::vector<std::string>* log_;
};

// An output device that keeps every message sent to it.
class RecordingOutDevice : public COruMidiOutDevice {
public:
    using COruMidiOutDevice::COruMidiOutDevice;
    bool Send(std::span<const std::uint8_t> bytes) override {
        sent.emplace_back(bytes.begin(), bytes.end());
        return !failing;
    }
    std::vector<Bytes> sent;
    bool failing = false; // answers every send with a failure
};

// An engine of its own with the ports configured as at start-up; message
// boxes and both engine text sinks captured.
class EngineTest : public ::testing::Test {
protected:
    void SetUp() override {
        engine.definitionErrors.SetSink([this](std::string_view text) { definitionErrors += text; });
        engine.transientText.SetSink([this](std::string_view text) { transient.emplace_back(text); });
        ASSERT_TRUE(engine.ConfigurePorts());
    }
    // The devices go before the fakes a test made them on.
    void TearDown() override { engine.Shutdown(); }

    COruMidiIn& Input(std::size_t i) { return engine.ports.inputs.at(i); }
    COruMidiOut& Output(std::size_t i) { return engine.ports.outputs.at(i); }

    // Input 0 hands what arrives on the named device to receiver; true when
    // every bound device opened.
    bool ListenOnInput0(IOruMidiReceiver& receiver, const std::string& device) {
        Input(0).receiver = &receiver;
        engine.setup.BindInput(Input(0), device);
        return engine.setup.OpenAll();
    }

    // A recording device, owned by the output device list, bound to output i.
    RecordingOutDevice& BindRecorder(std::size_t i, const std::string& name = "recorder") {
        auto* device = static_cast<RecordingOutDevice*>(
            engine.setup.OutDevices().Append(std::make_unique<RecordingOutDevice>(name)));
        Output(i).devices.push_back(device);
        return *device;
    }

    // Pumps input's device, waiting on the real clock, until done() holds or
    // five seconds have passed (a guard against a hang).
    bool PumpUntil(const COruMidiIn& input, const std::function<bool()>& done) {
        ML::ITickClock& clock = ML::SystemTickClock();
        const std::uint32_t deadline = clock.GetTickCount() + 5000;
        for (;;) {
            engine.setup.PumpInput(input);
            if (done())
                return true;
            if (!engine.setup.WaitForInput(clock, deadline))
                return done();
        }
    }

    CapturingTextDialog dialog;
    std::string definitionErrors;
    std::vector<std::string> transient;
    CMidiEngine engine;
};

} // namespace test
