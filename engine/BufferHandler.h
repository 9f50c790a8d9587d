#pragma once
// A handler that the MIDI struct registry can consult about a received or
// outgoing buffer. Its seven yes/no hooks carry no fixed meaning of their own:
// the librarian attaches no handlers, so every hook stays at "not handled".
#include <cstdint>
#include <span>

using OruBufferBytes = std::span<const std::uint8_t>;

class IOruBufferHandler {
public:
    virtual ~IOruBufferHandler() = default;

    // Each hook answers true when it handled the buffer; by default it does
    // nothing and answers false.
    virtual bool Hook1(OruBufferBytes) { return false; }
    virtual bool Hook2(OruBufferBytes) { return false; }
    virtual bool Hook3(OruBufferBytes) { return false; }
    virtual bool Hook4(OruBufferBytes) { return false; }
    virtual bool Hook5(OruBufferBytes, int) { return false; }
    virtual bool Hook6(OruBufferBytes) { return false; }
    virtual bool Hook7(OruBufferBytes) { return false; }
};
