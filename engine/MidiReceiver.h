#pragma once
// What a logical input hands its traffic to: the requester implements it.
// Each call answers whether the message was taken; the input ignores the
// answer.
#include "ml/LongMessage.h"
#include "ml/ShortMessage.h"
#include "ml/TessanMessage.h"

class IOruMidiReceiver {
public:
    virtual ~IOruMidiReceiver() = default;
    virtual bool ReceiveShort(const ML::CShortMessage& message) = 0;
    virtual bool ReceiveUniversal(const ML::CLongMessage& message) = 0;
    // Only data sets that passed the port's identity and checksum checks.
    virtual bool ReceiveDataSet(const ML::CTessanMessage& message) = 0;
};
