#pragma once
// Stores a data set received from the unit or read from a Standard MIDI File
// into the image.
#include "data/Address.h"
#include "data/ImageData.h"

#include <cstdint>
#include <span>

// Copies the bytes into the patch the address names, from its first data byte
// on, and empties the patch's memos. Only data of exactly the unit's patch
// size (128 bytes) is stored; shorter or longer data changes nothing: false.
// Addresses outside the seven areas (the temporary patch's included), beyond
// an area's patches, or inside a patch rather than at its start are ignored
// silently: false.
//
// Every import of data sets (received, or read from a file) stores through
// here, so all of them follow the same rules.
bool StoreDataSet(DeviceAddress address, std::span<const std::uint8_t> bytes, CImageData& image);
