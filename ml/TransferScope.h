#pragma once
// Marks a transfer of many requests and replies for as long as it lives, so
// that the MIDI system may carry the messages sooner meanwhile (a server
// that delivers once a period may run this program's ports at shorter
// periods). Scopes nest; the outermost one's end gives everything back.
#include "platform/mm/MMSystem.h"

namespace ML {

class CTransferScope {
public:
    CTransferScope() { mm::midiTransferBegin(); }
    ~CTransferScope() { mm::midiTransferEnd(); }
    CTransferScope(const CTransferScope&) = delete;
    CTransferScope& operator=(const CTransferScope&) = delete;
};

} // namespace ML
