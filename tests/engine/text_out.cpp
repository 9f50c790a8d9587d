// The engine's text outputs on standard error, as zm47-cli shows them.
#include "engine/EngineTextOut.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <gtest/gtest.h>

namespace {

TEST(EngineTextOut, EachReportOnStandardErrorIsALineOfItsOwn) {
    CEngineTextOut::Sink previous = GetTransientTextOut().SetSink({});
    testing::internal::CaptureStderr();
    GetTransientTextOut().Write(GetMessageTable().Get(kMsgMidiConnectError));
    GetTransientTextOut().Write("already a line\n");
    std::fputs("Unable to read/write data.\n", stderr);
    const std::string written = testing::internal::GetCapturedStderr();
    GetTransientTextOut().SetSink(std::move(previous));
    EXPECT_EQ(written, "MIDI connect error.\nalready a line\nUnable to read/write data.\n");
}

} // namespace
