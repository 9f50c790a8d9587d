// The plug-in router passes traffic only as its flags say, and the device
// lookups of the setup ask it first.
#include "engine/MidiPluginRouter.h"
#include "tests/engine/setup_support.h"

namespace test {
namespace {

class RecordingPlugin : public IOruMidiPlugin {
public:
    void Receive(std::span<const std::uint8_t> bytes) override { got.emplace_back(bytes.begin(), bytes.end()); }
    std::vector<Bytes> got;
};

class RouterTest : public EngineTest {
protected:
    void TearDown() override {
        router.plugin = nullptr;
        router.loopInput = nullptr;
        router.loopInputDevice = nullptr;
        router.loopOutput = nullptr;
        router.loopOutputDevice = nullptr;
        router.toPlugin = router.loop = false;
        EngineTest::TearDown();
    }

    COruMidiPluginRouter& router = engine.router;
    RecordingPlugin plugin;
    RecordingReceiver receiver;
    RecordingOutDevice loopDevice{"loop"};
};

TEST_F(RouterTest, PassesTrafficByItsFlagsOnly) {
    const Bytes note{0x90, 0x40, 0x7F};
    router.plugin = &plugin;
    router.loopInput = &Input(0);
    router.loopOutputDevice = &loopDevice;
    Input(0).receiver = &receiver;

    router.OnReceive(note);
    router.Send(note);
    EXPECT_TRUE(plugin.got.empty());
    EXPECT_EQ(receiver.Total(), 0u);
    EXPECT_TRUE(loopDevice.sent.empty());

    router.toPlugin = true;
    router.OnReceive(note);
    router.Send(note);
    EXPECT_EQ(plugin.got.size(), 2u);
    EXPECT_EQ(receiver.Total(), 0u);

    router.toPlugin = false;
    router.loop = true;
    router.OnReceive(note);
    router.Send(note);
    EXPECT_EQ(plugin.got.size(), 2u);
    EXPECT_EQ(receiver.shorts, std::vector<Bytes>{note});
    EXPECT_EQ(loopDevice.sent, std::vector<Bytes>{note});
}

TEST_F(RouterTest, DeviceLookupsAskTheRouterFirst) {
    engine.setup.BindOutput(Output(0), "listed");
    EXPECT_EQ(engine.setup.DeviceName(Output(0)), "listed");

    router.loopOutput = &Output(0);
    router.loopOutputDevice = &loopDevice;
    EXPECT_EQ(engine.setup.DeviceOf(Output(0)), &loopDevice);
    EXPECT_EQ(engine.setup.DeviceName(Output(0)), "loop");

    router.loopInput = &Input(0);
    EXPECT_EQ(engine.setup.DeviceOf(Input(0)), nullptr) << "the loop input with no device has none";
    EXPECT_FALSE(engine.setup.IsSetUp());
    EXPECT_EQ(engine.setup.DeviceOf(Output(1)), nullptr);
}

} // namespace
} // namespace test
