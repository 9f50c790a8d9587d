#include "app/core/LibrarianState.h"
#include "app/core/TransferObjects.h"
#include "engine/IdentityResult.h"
#include "engine/MidiEngine.h"
#include "engine/Reader.h"
#include "engine/Writer.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <gtest/gtest.h>

namespace {

class LibrarianStateTest : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(engine.ConfigurePorts()); }
    CMidiEngine engine;
};

TEST_F(LibrarianStateTest, AFreshStateHasNoConfirmedIdentityAndLeavesTheMessageTableAlone) {
    // The command-line tool puts texts of its own in the table before its
    // session makes a state: the state must not fill the table again.
    GetMessageTable().Add(CMessageTable::kEnglish, kMsgMidiNotSetUp, "replaced");
    CLibrarianState state(engine.setup);
    EXPECT_EQ(state.GetArea(), 1);
    EXPECT_EQ(state.GetGridSwitch(), 0);
    EXPECT_EQ(state.GetIdentityResult(), kIdentityNotConfirmed);
    for (int area = 1; area <= 7; ++area)
        EXPECT_TRUE(state.GetClipboard().GetArray(area).Empty());
    EXPECT_EQ(state.GetReader(), nullptr);
    EXPECT_EQ(state.GetWriter(), nullptr);
    EXPECT_FALSE(state.IsMidiReady());
    EXPECT_EQ(GetMessageTable().Get(kMsgMidiNotSetUp), "replaced");
    FillMessageTable(GetMessageTable());
}

TEST_F(LibrarianStateTest, TransferObjectsAreWiredToTheUnitsPortsAndDeletedOnce) {
    CLibrarianState state(engine.setup);
    ASSERT_TRUE(CreateTransferObjects(state, nullptr));
    AReader* reader = state.GetReader();
    CWriter* writer = state.GetWriter();
    ASSERT_NE(reader, nullptr);
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(reader->GetInput(), &engine.ports.inputs[0]);
    EXPECT_EQ(reader->GetOutput(), &engine.ports.outputs[0]);
    EXPECT_EQ(engine.ports.inputs[0].receiver, reader);
    EXPECT_EQ(writer->GetOutput(), &engine.ports.outputs[0]);
    EXPECT_EQ(writer->GetReader(), reader);
    EXPECT_EQ(reader->GetSetup(), &engine.setup);
    EXPECT_EQ(writer->GetSetup(), &engine.setup);

    state.DeleteTransferObjects();
    EXPECT_EQ(state.GetReader(), nullptr);
    EXPECT_EQ(state.GetWriter(), nullptr);
    EXPECT_EQ(engine.ports.inputs[0].receiver, nullptr) << "no input may hand traffic to a deleted reader";
    state.DeleteTransferObjects();
    EXPECT_EQ(state.GetReader(), nullptr);

    engine.ports.inputs.clear();
    EXPECT_FALSE(CreateTransferObjects(state, nullptr));
    EXPECT_EQ(state.GetReader(), nullptr);
}

} // namespace
