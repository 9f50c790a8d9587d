#include "engine/MidiSetupState.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

void COruMidiSetupState::SetQuiet(bool connected) { connected_ = connected; }

void COruMidiSetupState::Report(bool connected) {
    if (connected == connected_)
        return;
    transient_->Write(GetMessageTable().Get(connected ? kMsgMidiReconnected : kMsgMidiConnectError));
    connected_ = connected;
}
