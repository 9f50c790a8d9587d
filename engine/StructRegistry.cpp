#include "engine/StructRegistry.h"

AOruMidiStruct* COruStructRegistry::FindStruct(const std::string& name) const {
    const auto it = structs_.find(name);
    return it == structs_.end() ? nullptr : it->second;
}

bool COruStructRegistry::CreateMessageValueOperator(const std::string& name) const {
    return operators_.contains(name);
}

void COruStructRegistry::RegisterStruct(const std::string& name, AOruMidiStruct* object) { structs_[name] = object; }

void COruStructRegistry::RegisterOperator(const std::string& name) { operators_.insert(name); }

void COruStructRegistry::Clear() {
    structs_.clear();
    operators_.clear();
}
