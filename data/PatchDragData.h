#pragma once
// The bytes patches travel in while the user drags them from one list to
// another: a 16-byte tag "ZM47-PATCHES-001", the area the patches come from
// (0 for a librarian file, else the main window's area number), the code page
// their memos are written in and the patch count N, each an unsigned 32-bit
// big-endian integer, then N records, each a 32-bit length L and L bytes of a
// serialized patch as librarian files hold it. Nothing follows the last one.
//
// The patches are carried by value, so a drop never depends on the window
// they were dragged from still showing the same patches.
#include "data/ParameterArray.h"

#include <cstdint>
#include <span>
#include <vector>

struct CPatchDragOrigin {
    // 0: a librarian file; 1..7: that area of the main window.
    int area = 0;
    // The code page of the memos (1252 English, 932 Japanese).
    int codePage = 0;
};

// The bytes of the objects of `indexes` (in that order) of `array`. False,
// with out untouched, when an index names no object or there is none.
bool EncodePatchDrag(const CParameterArray& array, const std::vector<int>& indexes, const CPatchDragOrigin& origin,
                     std::vector<std::uint8_t>& out);

// Reads dragged bytes into patches (elements made by its CreateElement) and
// origin. False, with both untouched, when the bytes are not a drag of at
// least one well-formed patch. Shows nothing: the caller says why a drop
// fails.
bool DecodePatchDrag(std::span<const std::uint8_t> bytes, CParameterArray& patches, CPatchDragOrigin& origin);
