#pragma once
// What inputs and outputs do alike with a MIDIHDR. The flags are written
// with release ordering, so that a thread that sees MHDR_DONE also sees the
// bytes and counts written before it. The caller holds its port's lock.
#include "platform/mm/MMSystem.h"

namespace mm {

void SetHeaderFlags(MIDIHDR& header, DWORD flags);
// Marks the header prepared; MMSYSERR_INVALPARAM without a header or data.
MMRESULT PrepareHeader(MIDIHDR* header);
// Takes the mark away; MIDIERR_STILLPLAYING while the header is queued.
MMRESULT UnprepareHeader(MIDIHDR* header);
// Whether the header can be handed to a port: MMSYSERR_INVALPARAM without
// data, MIDIERR_UNPREPARED unprepared, MIDIERR_STILLPLAYING when it is queued
// already, else MMSYSERR_NOERROR.
MMRESULT CheckQueueable(const MIDIHDR* header);
// The header is with the port: queued, not done.
void MarkQueued(MIDIHDR& header);
// The port gives the header back: done, no longer queued.
void MarkDone(MIDIHDR& header);

} // namespace mm
