#pragma once
// An input device handle: each operation is one platform call whose result
// the input reporter judges. With no device open every operation except
// Close fails without calling the platform.
#include "platform/mm/MMSystem.h"

#include <string>

namespace ML {

class CMMIn {
public:
    CMMIn() = default;
    // Closes a device still open, so that it is never left behind.
    virtual ~CMMIn();
    CMMIn(const CMMIn&) = delete;
    CMMIn& operator=(const CMMIn&) = delete;

    // An open device is closed first, so that reopening never leaves one
    // behind.
    bool OpenById(mm::UINT id, mm::MIDIINPROC callback, mm::DWORD_PTR instance, mm::DWORD flags);
    // Opens the device of lowest index whose product name is exactly name;
    // false when there is none.
    bool OpenByName(const std::string& name, mm::MIDIINPROC callback, mm::DWORD_PTR instance, mm::DWORD flags);
    // True when nothing is open; the handle is gone afterwards whatever the
    // platform says.
    bool Close();

    bool PrepareHeader(mm::MIDIHDR& header);
    bool UnprepareHeader(mm::MIDIHDR& header);
    bool AddBuffer(mm::MIDIHDR& header);
    bool Start();
    bool Stop();
    bool ResetPort();

    // Whether a device is open and still there.
    bool IsOpen() const;
    mm::HMIDIIN Handle() const { return handle_; }

private:
    mm::HMIDIIN handle_ = nullptr;
};

} // namespace ML
