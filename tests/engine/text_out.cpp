// The engine's text outputs on standard error, as zm47-cli shows them.
#include "engine/EngineTextOut.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineTextOut, EachReportOnStandardErrorIsALineOfItsOwn) {
    CEngineTextOut transient;
    testing::internal::CaptureStderr();
    transient.Write(GetMessageTable().Get(kMsgMidiConnectError));
    transient.Write("already a line\n");
    std::fputs("Unable to read/write data.\n", stderr);
    const std::string written = testing::internal::GetCapturedStderr();
    EXPECT_EQ(written, "MIDI connect error.\nalready a line\nUnable to read/write data.\n");
}

} // namespace
