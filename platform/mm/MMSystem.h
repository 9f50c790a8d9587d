#pragma once
// The MIDI device API the ports are written against: device enumeration by
// index with product names, inputs opened with a callback function, input
// buffers queued to the platform, output of short messages and of long
// messages whose header is flagged done when the platform has finished with
// it. Results are MMRESULT values; 0 is success.
//
// Devices come from one table with two backends: in-process virtual devices
// (platform/mm/virtual/VirtualDevices.h) and the system's MIDI ports through
// RtMidi. Virtual devices are listed first.
//
// Threads: every function may be called from any thread. Input callbacks run
// on a thread of the backend, one at a time per open input; a callback must
// not call back into this API. midiInStop, midiInReset and midiInClose return
// only after any callback they cause or that is in flight has returned.
#include <cstdint>

namespace mm {

using UINT = std::uint32_t;
using DWORD = std::uint32_t;
using DWORD_PTR = std::uintptr_t;
using UINT_PTR = std::uintptr_t;
using MMRESULT = std::uint32_t;

class MidiIn;
class MidiOut;
using HMIDIIN = MidiIn*;
using HMIDIOUT = MidiOut*;

inline constexpr MMRESULT MMSYSERR_NOERROR = 0;
inline constexpr MMRESULT MMSYSERR_ERROR = 1;
inline constexpr MMRESULT MMSYSERR_BADDEVICEID = 2;
inline constexpr MMRESULT MMSYSERR_NOTENABLED = 3;
inline constexpr MMRESULT MMSYSERR_ALLOCATED = 4;
inline constexpr MMRESULT MMSYSERR_INVALHANDLE = 5;
inline constexpr MMRESULT MMSYSERR_NODRIVER = 6;
inline constexpr MMRESULT MMSYSERR_NOMEM = 7;
inline constexpr MMRESULT MMSYSERR_INVALFLAG = 10;
inline constexpr MMRESULT MMSYSERR_INVALPARAM = 11;
inline constexpr MMRESULT MMSYSERR_HANDLEBUSY = 12;
inline constexpr MMRESULT MIDIERR_UNPREPARED = 64;
inline constexpr MMRESULT MIDIERR_STILLPLAYING = 65;
inline constexpr MMRESULT MIDIERR_NOTREADY = 67;

// Input callback messages.
inline constexpr UINT MIM_OPEN = 0x3C1;
inline constexpr UINT MIM_CLOSE = 0x3C2;
inline constexpr UINT MIM_DATA = 0x3C3;
inline constexpr UINT MIM_LONGDATA = 0x3C4;
inline constexpr UINT MIM_ERROR = 0x3C5;
inline constexpr UINT MIM_LONGERROR = 0x3C6;
inline constexpr UINT MIM_MOREDATA = 0x3CC;

// Open flags.
inline constexpr DWORD CALLBACK_NULL = 0x00000;
inline constexpr DWORD CALLBACK_FUNCTION = 0x30000;

// Header flags.
inline constexpr DWORD MHDR_DONE = 0x1;
inline constexpr DWORD MHDR_PREPARED = 0x2;
inline constexpr DWORD MHDR_INQUEUE = 0x4;

inline constexpr int MAXPNAMELEN = 128;

// A buffer handed to the platform. The platform owns lpNext and the reserved
// fields while the buffer is queued; dwFlags is written by the platform with
// release ordering, so a thread polling MHDR_DONE reads it with acquire
// ordering (std::atomic_ref).
struct MIDIHDR {
    char* lpData = nullptr;
    DWORD dwBufferLength = 0;
    DWORD dwBytesRecorded = 0;
    DWORD_PTR dwUser = 0;
    DWORD dwFlags = 0;
    DWORD dwOffset = 0;
    MIDIHDR* lpNext = nullptr;
    DWORD_PTR reserved = 0;
    DWORD_PTR dwReserved[2] = {};
};
static_assert(sizeof(void*) != 8 || sizeof(MIDIHDR) == 64, "the header is 64 bytes");

struct MIDIINCAPSA {
    std::uint16_t wMid = 0;
    std::uint16_t wPid = 0;
    UINT vDriverVersion = 0;
    char szPname[MAXPNAMELEN] = {};
    DWORD dwSupport = 0;
};

struct MIDIOUTCAPSA {
    std::uint16_t wMid = 0;
    std::uint16_t wPid = 0;
    UINT vDriverVersion = 0;
    char szPname[MAXPNAMELEN] = {};
    std::uint16_t wTechnology = 0;
    std::uint16_t wVoices = 0;
    std::uint16_t wNotes = 0;
    std::uint16_t wChannelMask = 0;
    DWORD dwSupport = 0;
};
inline constexpr std::uint16_t MOD_MIDIPORT = 1;
// Output support flag: the device itself decides when the bytes of a long
// message are out and the next one may follow. Either it takes a cable's
// time before it flags the message done, or no cable lies behind it (a
// port of another program on a JACK server, which gets each message whole
// in the server's next period). A port then waits nothing of its own to
// imitate a cable's byte rate. Without the flag, a cable is assumed.
inline constexpr DWORD MIDICAPS_SELFPACED = 0x100;

// hMidiIn, message, instance, param1, param2. MIM_DATA: param1 is the packed
// short message (status | data1 << 8 | data2 << 16), param2 the milliseconds
// since midiInStart. MIM_LONGDATA / MIM_LONGERROR: param1 is the MIDIHDR*.
// MIM_ERROR: param1 is the invalid byte.
using MIDIINPROC = void (*)(HMIDIIN, UINT, DWORD_PTR, DWORD_PTR, DWORD_PTR);

// Enumeration. The counts take a fresh snapshot of the devices present; the
// device ids of the other calls are indexes into the latest snapshot.
UINT midiInGetNumDevs();
UINT midiOutGetNumDevs();
// uDeviceID is a device index or an open handle converted to an integer;
// for a handle whose device has gone the result is MMSYSERR_NODRIVER.
MMRESULT midiInGetDevCapsA(UINT_PTR uDeviceID, MIDIINCAPSA* caps, UINT cbCaps);
MMRESULT midiOutGetDevCapsA(UINT_PTR uDeviceID, MIDIOUTCAPSA* caps, UINT cbCaps);

MMRESULT midiInOpen(HMIDIIN* phmi, UINT uDeviceID, MIDIINPROC callback, DWORD_PTR instance, DWORD fdwOpen);
MMRESULT midiInClose(HMIDIIN hmi);
MMRESULT midiInPrepareHeader(HMIDIIN hmi, MIDIHDR* hdr, UINT cbHdr);
MMRESULT midiInUnprepareHeader(HMIDIIN hmi, MIDIHDR* hdr, UINT cbHdr);
MMRESULT midiInAddBuffer(HMIDIIN hmi, MIDIHDR* hdr, UINT cbHdr);
MMRESULT midiInStart(HMIDIIN hmi);
MMRESULT midiInStop(HMIDIIN hmi);
MMRESULT midiInReset(HMIDIIN hmi);

// Only CALLBACK_NULL is supported for outputs: completion is seen in
// MHDR_DONE.
MMRESULT midiOutOpen(HMIDIOUT* phmo, UINT uDeviceID, DWORD_PTR callback, DWORD_PTR instance, DWORD fdwOpen);
MMRESULT midiOutClose(HMIDIOUT hmo);
MMRESULT midiOutPrepareHeader(HMIDIOUT hmo, MIDIHDR* hdr, UINT cbHdr);
MMRESULT midiOutUnprepareHeader(HMIDIOUT hmo, MIDIHDR* hdr, UINT cbHdr);
MMRESULT midiOutShortMsg(HMIDIOUT hmo, DWORD dwMsg);
MMRESULT midiOutLongMsg(HMIDIOUT hmo, MIDIHDR* hdr, UINT cbHdr);
MMRESULT midiOutReset(HMIDIOUT hmo);

// A transfer of many requests and replies runs between these two calls
// (they nest; an end without a begin does nothing). Meanwhile a backend
// whose server delivers messages once a period may ask for short periods
// for this program's own ports, and gives them back at the end. The
// settings of a server, which every program on it shares, are never
// changed.
void midiTransferBegin();
void midiTransferEnd();

} // namespace mm
