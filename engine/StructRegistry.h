#pragma once
// The registry that turns the struct and message value operator names of
// element definitions into objects. The librarian registers nothing, so every
// lookup fails; ports built without such names never consult it.
#include "ml/LongMessage.h"
#include "ml/ShortMessage.h"
#include "ml/TessanMessage.h"

#include <map>
#include <set>
#include <string>

class COruMidiOut;

// A struct that can be offered received messages; the engine ignores the
// answers. A struct belongs to at most one output.
class AOruMidiStruct {
public:
    virtual ~AOruMidiStruct() = default;
    virtual bool AcceptDataSet(const ML::CTessanMessage&) { return false; }
    virtual bool AcceptUniversal(const ML::CLongMessage&) { return false; }
    virtual bool AcceptShort(const ML::CShortMessage&) { return false; }

    COruMidiOut* output = nullptr; // not owned
};

class COruStructRegistry {
public:
    // The struct of that name (not owned), or null.
    AOruMidiStruct* FindStruct(const std::string& name) const;
    // True when an operator of that name can be made.
    bool CreateMessageValueOperator(const std::string& name) const;

    // Registration, for a system that has structs (the librarian has none).
    void RegisterStruct(const std::string& name, AOruMidiStruct* object);
    void RegisterOperator(const std::string& name);
    void Clear();

private:
    std::map<std::string, AOruMidiStruct*> structs_;
    std::set<std::string> operators_;
};
