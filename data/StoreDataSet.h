#pragma once
// Stores a data set received from the unit or read from a Standard MIDI File
// into the image.
#include "data/Address.h"
#include "data/ImageData.h"

#include <cstdint>
#include <span>

// Copies the bytes into the patch the address names, from its first data byte
// on, and empties the patch's memos. At most the segment's size, and never
// more than the unit's 128 bytes, is copied (surplus dropped, a shorter data
// set leaves the rest unchanged). Addresses outside the seven areas (the
// temporary patch's included), beyond an area's patches, or inside a patch
// rather than at its start are ignored silently: false.
//
// Every import of data sets (received, or read from a file) stores through
// here, so all of them follow the same rules.
bool StoreDataSet(DeviceAddress address, std::span<const std::uint8_t> bytes, CImageData& image);
