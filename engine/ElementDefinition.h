#pragma once
// A named list of attributes from which the MIDI manager can build a logical
// port.
#include <string>
#include <utility>
#include <vector>

using OruAttribute = std::pair<std::string, std::string>; // name, value
using OruAttributes = std::vector<OruAttribute>;

class COruElementDefinition {
public:
    std::string name;
    OruAttributes attributes;
};
