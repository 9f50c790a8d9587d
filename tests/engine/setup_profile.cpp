// The device selection in the profile section "MIDIConnection": what Save
// writes, what Load restores, and the defaults for missing values.
#include "tests/engine/setup_support.h"

#include "toolkit/profile/IniProfile.h"

#include <QTemporaryDir>

#include <memory>
#include <utility>

namespace test {
namespace {

class SetupProfileTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        ASSERT_TRUE(dir_.isValid());
        profile = std::make_unique<GT::CIniProfile>(dir_.filePath("profile.ini").toStdString());
    }

    QTemporaryDir dir_;
    std::unique_ptr<GT::CIniProfile> profile;
};

TEST_F(SetupProfileTest, NothingStoredBindsNothing) {
    engine.setup.Load(*profile);
    EXPECT_TRUE(engine.setup.InDevices().empty());
    EXPECT_TRUE(engine.setup.OutDevices().empty());
    EXPECT_FALSE(engine.setup.IsSetUp());
    EXPECT_TRUE(engine.setup.OpenAll());
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "(none)");
    EXPECT_EQ(engine.setup.DisplayName(Output(1)), "(none)");
    EXPECT_EQ(Input(0).deviceId, 0x10);
    EXPECT_TRUE(engine.setup.State().IsConnected()) << "all of no devices opened";
    EXPECT_TRUE(transient.empty());
}

TEST_F(SetupProfileTest, SaveWritesTwelveValuesThatLoadRestores) {
    engine.setup.BindInput(Input(0), "Unit In (Unconnected)");
    engine.setup.BindOutput(Output(0), "Unit Out");
    engine.setup.BindOutput(Output(1), "Thru Out");
    Output(0).deviceId = 0x1F;
    EXPECT_TRUE(engine.setup.Save(*profile));

    const auto text = [&](const char* entry) {
        return profile->GetString(std::string("MIDIConnection/") + entry, "?");
    };
    const std::pair<const char*, const char*> saved[] = {
        {"MIDIIn0", "ZM-47"},  {"MIDIInDevice0", "Unit In"},   {"MIDIInTessanMessageDeviceId0", "16"},
        {"MIDIIn1", ""},       {"MIDIInDevice1", "(none)"},    {"MIDIInTessanMessageDeviceId1", "16"},
        {"MIDIOut0", "ZM-47"}, {"MIDIOutDevice0", "Unit Out"}, {"MIDIOutTessanMessageDeviceId0", "31"},
        {"MIDIOut1", ""},      {"MIDIOutDevice1", "Thru Out"}, {"MIDIOutTessanMessageDeviceId1", "16"},
    };
    for (const auto& [entry, value] : saved)
        EXPECT_EQ(text(entry), value) << entry;

    ASSERT_TRUE(engine.ConfigurePorts());
    engine.setup.Load(*profile);
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "Unit In");
    EXPECT_EQ(engine.setup.DeviceName(Input(1)), "(none)");
    EXPECT_EQ(engine.setup.DeviceName(Output(0)), "Unit Out");
    EXPECT_EQ(engine.setup.DeviceName(Output(1)), "Thru Out");
    EXPECT_EQ(Output(0).deviceId, 0x1F);
    EXPECT_TRUE(engine.setup.IsSetUp());
    // The devices do not exist: they stay, closed, and are shown so.
    EXPECT_EQ(engine.setup.DisplayName(Input(0)), "Unit In (Unconnected)");
    EXPECT_FALSE(engine.setup.State().IsConnected());
    EXPECT_TRUE(transient.empty()) << "Load sets the state quietly";
}

TEST_F(SetupProfileTest, DeviceIdsAreReadAsCIntegersAndCutToEightBits) {
    const std::pair<const char*, int> cases[] = {{"17", 0x11},  {"273", 0x11}, {"0x11", 0x11}, {"021", 0x11},
                                                 {" 18", 0x12}, {"-1", 0xFF},  {"junk", 0x10}};
    for (const auto& [stored, expected] : cases) {
        ASSERT_TRUE(engine.ConfigurePorts());
        profile->WriteString("MIDIConnection/MIDIInTessanMessageDeviceId0", stored);
        profile->WriteString("MIDIConnection/MIDIOutTessanMessageDeviceId1", stored);
        engine.setup.Load(*profile);
        EXPECT_EQ(Input(0).deviceId, expected) << stored;
        EXPECT_EQ(Output(1).deviceId, expected) << stored;
        EXPECT_EQ(Input(1).deviceId, 0x10);
    }
}

TEST_F(SetupProfileTest, AStoredPortNameSelectsThePortItConfigures) {
    profile->WriteString("MIDIConnection/MIDIOut0", "Other");
    profile->WriteString("MIDIConnection/MIDIOutDevice0", "Somewhere");
    profile->WriteString("MIDIConnection/MIDIOutTessanMessageDeviceId0", "20");
    profile->WriteString("MIDIConnection/MIDIIn1", "ZM-47");
    profile->WriteString("MIDIConnection/MIDIInDevice1", "Elsewhere");
    profile->WriteString("MIDIConnection/MIDIInTessanMessageDeviceId1", "21");
    engine.setup.Load(*profile);

    EXPECT_EQ(engine.setup.DeviceName(Output(0)), "(none)") << "no port is named Other";
    EXPECT_EQ(Output(0).deviceId, 0x10);
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "Elsewhere") << "the value of index 1 named port ZM-47";
    EXPECT_EQ(Input(0).deviceId, 21);
    EXPECT_EQ(engine.setup.DeviceName(Input(1)), "(none)");
}

// A profile that cannot be written (a read-only file, a full disk).
class RefusingProfile : public GT::IProfile {
public:
    int GetInt(std::string_view, int def) override { return def; }
    std::string GetString(std::string_view, std::string_view def) override { return std::string(def); }
    bool WriteInt(std::string_view, int) override { return false; }
    bool WriteString(std::string_view, std::string_view) override { return false; }
};

TEST_F(SetupProfileTest, ASaveThatTheProfileRefusesIsNotReportedAsDone) {
    RefusingProfile refusing;
    EXPECT_FALSE(engine.setup.Save(refusing));
}

} // namespace
} // namespace test
