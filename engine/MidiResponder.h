#pragma once
// Takes the requests addressed to this system (it acting as a unit). No
// responder is installed in the librarian; the hook exists for completeness.
#include "ml/LongMessage.h"
#include "ml/TessanMessage.h"

class IOruMidiResponder {
public:
    virtual ~IOruMidiResponder() = default;
    virtual bool RespondIdentity(const ML::CLongMessage& request) = 0;
    virtual bool RespondData(const ML::CTessanMessage& request) = 0;
};
