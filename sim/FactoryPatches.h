#pragma once
// The patches a fresh simulated unit holds: every patch has a name of its
// own (most of them the full 16 characters, some shorter) and parameter bytes
// drawn from its place, and a few carry memos, so that the first screen reads
// like a unit in use and every patch that moves can be told apart.
#include "data/Patch.h"

#include <string_view>

namespace sim {

// The factory contents of patch `index` of area `areaNumber` (0 for the
// temporary patch): its factory name and 7-bit parameter bytes that are the
// same in every run and differ from patch to patch.
CPatch FactoryPatch(int areaNumber, int index);

// The factory name of a patch, or an empty view for a place the unit does
// not have.
std::string_view FactoryPatchName(int areaNumber, int index);

} // namespace sim
