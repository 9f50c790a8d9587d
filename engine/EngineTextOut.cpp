#include "engine/EngineTextOut.h"

#include <cstdio>
#include <utility>

CEngineTextOut::Sink CEngineTextOut::SetSink(Sink sink) { return std::exchange(sink_, std::move(sink)); }

void CEngineTextOut::Output(std::string_view text) {
    if (sink_) {
        sink_(text);
        return;
    }
    // Each report is a line of its own: "MIDI connect error." must not run
    // into the error message that follows it.
    std::fwrite(text.data(), 1, text.size(), stderr);
    if (text.empty() || text.back() != '\n')
        std::fputc('\n', stderr);
    std::fflush(stderr);
}
