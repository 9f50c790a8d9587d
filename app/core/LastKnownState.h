#pragma once
// Start-up from the last known state: before the unit answers, the main
// window shows what the library saw in each area last, marked as remembered
// (dimmed, never written as if read) until the start-up read confirms or
// replaces it.
#include <vector>

class CImageDocument;
class CLibrary;

// Puts each area's last known state into the document's patches and marks
// those rows as remembered, slot by slot with the time the state saw them.
// Slots no state ever covered keep what they hold. The areas that got any
// remembered row, in order.
std::vector<int> ShowLastKnownState(CLibrary& library, CImageDocument& data);
