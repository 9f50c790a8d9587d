// The engine as a value: two engines in one process share no ports, devices
// or reports, and an engine that ends lets go of the devices it opened.
#include "engine/MidiEngine.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

const std::vector<std::uint8_t> kNoteOn{0x90, 0x40, 0x7F};

TEST(MidiEngine, TwoEnginesShareNoPortsDevicesOrReports) {
    test::CapturingTextDialog dialog;
    mm::VirtualDevicePair pair("Engine Parts Pair");
    CMidiEngine first;
    CMidiEngine second;
    std::vector<std::string> firstReports, secondReports;
    first.transientText.SetSink([&](std::string_view text) { firstReports.emplace_back(text); });
    second.transientText.SetSink([&](std::string_view text) { secondReports.emplace_back(text); });
    ASSERT_TRUE(first.ConfigurePorts("First"));
    ASSERT_TRUE(second.ConfigurePorts("Second"));
    EXPECT_EQ(first.ports.FindInput("Second"), nullptr);
    EXPECT_NE(&first.ports.inputs[0], &second.ports.inputs[0]);

    first.setup.ConfigureInput("First", "Engine Parts Pair", 0x10);
    first.setup.ConfigureOutput("First", "Engine Parts Pair", 0x10);
    ASSERT_TRUE(first.setup.OpenAll());
    first.setup.State().SetQuiet(true);
    EXPECT_TRUE(first.setup.IsSetUp());
    EXPECT_FALSE(second.setup.IsSetUp());
    EXPECT_TRUE(second.setup.InDevices().empty());

    // The first engine's output finds its device gone: only it reports.
    pair.output.Unplug();
    EXPECT_FALSE(first.ports.outputs[0].SendMessage(ML::CMessage(kNoteOn)));
    EXPECT_EQ(firstReports, std::vector<std::string>{"MIDI connect error."});
    EXPECT_TRUE(secondReports.empty());
    EXPECT_TRUE(second.setup.State().IsConnected() == false);
}

TEST(MidiEngine, AnEngineThatEndsLetsGoOfItsDevices) {
    test::CapturingTextDialog dialog;
    const std::string name = "Engine Parts Once";
    auto device = std::make_unique<mm::VirtualOutputDevice>(name, [](std::span<const std::uint8_t>) {});
    CMidiEngine later;
    later.transientText.SetSink([](std::string_view) {});
    ASSERT_TRUE(later.ConfigurePorts());
    later.setup.BindOutput(later.ports.outputs[0], name);
    {
        CMidiEngine earlier;
        ASSERT_TRUE(earlier.ConfigurePorts());
        earlier.setup.BindOutput(earlier.ports.outputs[0], name);
        ASSERT_TRUE(earlier.setup.OpenAll());
        EXPECT_FALSE(later.setup.OpenAll()) << "a virtual port opens once";
    }
    EXPECT_TRUE(later.setup.OpenAll());
}

} // namespace
