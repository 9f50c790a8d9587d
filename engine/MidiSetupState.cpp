#include "engine/MidiSetupState.h"

#include "engine/EngineTextOut.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

void COruMidiSetupState::SetQuiet(bool connected) { connected_ = connected; }

void COruMidiSetupState::Report(bool connected) {
    if (connected == connected_)
        return;
    GetTransientTextOut().Write(GetMessageTable().Get(connected ? kMsgMidiReconnected : kMsgMidiConnectError));
    connected_ = connected;
}

COruMidiSetupState& GetMidiSetupState() {
    static COruMidiSetupState state;
    return state;
}
