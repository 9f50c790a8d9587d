#include "engine/EngineTextOut.h"

#include <cstdio>
#include <utility>

CEngineTextOut::Sink CEngineTextOut::SetSink(Sink sink)
{
    return std::exchange(sink_, std::move(sink));
}

void CEngineTextOut::Output(std::string_view text)
{
    if (sink_) {
        sink_(text);
        return;
    }
    std::fwrite(text.data(), 1, text.size(), stderr);
    std::fflush(stderr);
}

CEngineTextOut& GetDefinitionErrorOut()
{
    static CEngineTextOut out;
    return out;
}

CEngineTextOut& GetTransientTextOut()
{
    static CEngineTextOut out;
    return out;
}
