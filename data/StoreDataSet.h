#pragma once
// Stores a data set received from the unit or read from a Standard MIDI File
// into the image.
#include "data/Address.h"
#include "data/ImageData.h"

#include <cstdint>
#include <span>

// Copies the bytes into the patch the address names, from its first data byte
// on, and empties the patch's memos. At most the segment's size is copied
// (surplus dropped, a shorter data set leaves the rest unchanged). Addresses
// outside the seven areas (the temporary patch's included) or beyond an
// area's patches are ignored silently: false.
bool StoreDataSet(DeviceAddress address, std::span<const std::uint8_t> bytes, CImageData& image);
