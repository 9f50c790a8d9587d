// Building ports from element definitions and the exact reports of what
// cannot be built; the start-up configuration of the ports.
#include "engine/StructRegistry.h"
#include "tests/engine/setup_support.h"

namespace test {
namespace {

class ManagerTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        engine.manager.Shutdown();
    }
    void AddInput(const std::string& name, OruAttributes attributes) {
        engine.manager.inputDefinitions.push_back({name, std::move(attributes)});
    }
    void AddOutput(const std::string& name, OruAttributes attributes) {
        engine.manager.outputDefinitions.push_back({name, std::move(attributes)});
    }
};

TEST_F(ManagerTest, WithoutDefinitionsNoPortIsMade) {
    EXPECT_TRUE(engine.manager.Initialize());
    EXPECT_TRUE(engine.ports.inputs.empty());
    EXPECT_TRUE(engine.ports.outputs.empty());
    EXPECT_EQ(definitionErrors, "");
}

TEST_F(ManagerTest, DefinitionsBecomePortsWithTheirAttributes) {
    AddOutput("out", {{"name", "B"}, {"midiMessageValueRef", ""}, {"addressSize", "0x3"}});
    AddInput("in", {{"name", "A"}, {"modelID", "0 0 45"}, {"addressSize", "2"}, {"midiOutRef", "B"}});
    ASSERT_TRUE(engine.manager.Initialize()) << definitionErrors;
    ASSERT_EQ(engine.ports.inputs.size(), 1u);
    EXPECT_EQ(Input(0).name, "A");
    EXPECT_EQ(Input(0).modelId, (Bytes{0x00, 0x00, 0x45}));
    EXPECT_EQ(Input(0).addressSize, 2);
    EXPECT_EQ(Input(0).throughOutput, &Output(0));
    EXPECT_EQ(Output(0).addressSize, 3);
    EXPECT_EQ(engine.ports.FindInput("A"), &Input(0));
    EXPECT_EQ(engine.ports.FindOutput("B"), &Output(0));
    EXPECT_EQ(engine.ports.FindOutput("b"), nullptr);
}

TEST_F(ManagerTest, ModelIdsAreHexBytesSeparatedByBlanks) {
    AddInput("pairs", {{"modelID", "00 00 45"}});
    AddInput("empty", {{"modelID", ""}});
    ASSERT_TRUE(engine.manager.Initialize());
    EXPECT_EQ(Input(0).modelId, (Bytes{0x00, 0x00, 0x45}));
    EXPECT_TRUE(Input(1).modelId.empty());

    engine.manager.Shutdown();
    AddInput("D", {{"name", "A"}, {"modelID", "000"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "MIDI A modelID is invalid. : 000\n"
                                "Unable to convert element definitions D to MIDI input.\n");

    definitionErrors.clear();
    engine.manager.Shutdown();
    AddOutput("E", {{"name", "O"}, {"modelID", "4g"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "MIDI O modelID is invalid. : 4g\n"
                                "Unable to convert element definitions E to MIDI output.\n");
}

TEST_F(ManagerTest, AddressSizesOutsideOneToFourOrUnreadableAreReported) {
    AddInput("D", {{"name", "A"}, {"addressSize", "5"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "MIDI A addressSize must be 1 through 4.\n"
                                "Unable to convert element definitions D to MIDI input.\n");

    definitionErrors.clear();
    engine.manager.Shutdown();
    AddInput("D", {{"name", "A"}, {"addressSize", "size"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "MIDI A addressSize is invalid. : size\n"
                                "Unable to convert element definitions D to MIDI input.\n");

    definitionErrors.clear();
    engine.manager.Shutdown();
    AddInput("D", {{"name", "A"}, {"addressSize", "010"}}); // octal 8
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_TRUE(definitionErrors.starts_with("MIDI A addressSize must be 1 through 4.\n")) << definitionErrors;
}

TEST_F(ManagerTest, LeftAttributesAreListedAndStopTheBuild) {
    AddInput("first", {{"name", "A"}});
    AddInput("second", {{"name", "B"}, {"foo", "1"}, {"midiMessageValueRef", "x"}});
    AddInput("third", {{"name", "C"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "Midi B unknown tags. : foo, midiMessageValueRef, \n");
    EXPECT_EQ(Input(0).name, "A") << "ports converted so far stay";
    EXPECT_EQ(Input(2).name, "") << "nothing after the failure is converted";
}

TEST_F(ManagerTest, NamesThatCannotBeResolvedAreReported) {
    AddInput("in", {{"name", "A"}, {"midiOutRef", "nowhere"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "Unable to convert MIDI output name nowhere to MIDI output.\n"
                                "Unable to create MIDI input A.\n");

    definitionErrors.clear();
    engine.manager.Shutdown();
    AddOutput("out", {{"name", "O"}, {"rootStruct", "patch"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "Unable to convert root struct name patch to struct.\n"
                                "Unable to create MIDI output O.\n");

    definitionErrors.clear();
    engine.manager.Shutdown();
    AddOutput("out", {{"name", "O"}, {"midiMessageValueRef", "value"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(definitionErrors, "Unable to create MIDI message value operator value.\n"
                                "Unable to create MIDI output O.\n");
}

TEST_F(ManagerTest, ARootStructBelongsToOneOutputOnly) {
    AOruMidiStruct patch;
    engine.structs.RegisterStruct("patch", &patch);
    AddOutput("first", {{"name", "O1"}, {"rootStructRef", "patch"}});
    AddOutput("second", {{"name", "O2"}, {"rootStruct", "patch"}});
    EXPECT_FALSE(engine.manager.Initialize());
    EXPECT_EQ(patch.output, &Output(0));
    EXPECT_EQ(definitionErrors, "Unable to associate root struct patch to plural MIDI outputs.\n"
                                "Unable to create MIDI output O2.\n");
}

TEST_F(ManagerTest, StartUpConfiguresTheUnitAndTheThroughPair) {
    ASSERT_TRUE(engine.ConfigurePorts());
    ASSERT_EQ(engine.ports.inputs.size(), 2u);
    ASSERT_EQ(engine.ports.outputs.size(), 2u);
    for (COruMidi* unitPort : {static_cast<COruMidi*>(&Input(0)), static_cast<COruMidi*>(&Output(0))}) {
        EXPECT_EQ(unitPort->name, "ZM-47");
        EXPECT_EQ(unitPort->modelId, (Bytes{0x00, 0x00, 0x45}));
        EXPECT_EQ(unitPort->deviceId, 0x10);
    }
    EXPECT_EQ(Input(1).name, "");
    EXPECT_TRUE(Input(1).modelId.empty());
    EXPECT_EQ(Input(1).throughOutput, &Output(1));
    EXPECT_EQ(Input(0).throughOutput, nullptr);
    EXPECT_EQ(Input(0).receiver, nullptr);
}

} // namespace
} // namespace test
