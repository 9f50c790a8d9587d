#pragma once
// The engine's own text sinks, each an ATextOut of the engine (CMidiEngine)
// whose finished text goes to an installable sink:
// - the definition-error output, where the MIDI manager reports element
//   definitions it cannot convert (a diagnostic text window later);
// - the transient output, where the connection state is reported ("MIDI
//   connect error.", "MIDI reconnected."; a pop-up that closes itself later).
// Until a sink is installed the text goes to standard error.
#include "toolkit/core/TextOut.h"

#include <functional>
#include <string_view>

class CEngineTextOut : public GT::ATextOut {
public:
    using Sink = std::function<void(std::string_view)>;

    // Installs sink (an empty one restores standard error) and hands back the
    // previous one.
    Sink SetSink(Sink sink);
    void Output(std::string_view text) override;

private:
    Sink sink_;
};
