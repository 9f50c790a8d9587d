#pragma once
// An output device handle: each operation is one platform call whose result
// the output reporter judges. With no device open every operation succeeds
// without calling the platform.
#include "platform/mm/MMSystem.h"

#include <string>

namespace ML {

class CMMOut {
public:
    CMMOut() = default;
    // Closes a device still open, so that it is never left behind.
    virtual ~CMMOut();
    CMMOut(const CMMOut&) = delete;
    CMMOut& operator=(const CMMOut&) = delete;

    // An open device is closed first.
    bool OpenById(mm::UINT id, mm::DWORD_PTR callback, mm::DWORD_PTR instance, mm::DWORD flags);
    // Opens the device of lowest index whose product name is exactly name;
    // false when there is none.
    bool OpenByName(const std::string& name, mm::DWORD_PTR callback, mm::DWORD_PTR instance, mm::DWORD flags);
    bool Close();

    bool PrepareHeader(mm::MIDIHDR& header);
    bool UnprepareHeader(mm::MIDIHDR& header);
    bool ResetPort();
    bool LongMsg(mm::MIDIHDR& header);
    bool ShortMsg(std::uint32_t packed);

    bool IsOpen() const;
    // The MIDICAPS_ flags the open device declares; 0 with none open or
    // when it cannot be asked (nothing is reported).
    mm::DWORD Support() const;
    mm::HMIDIOUT Handle() const { return handle_; }

private:
    mm::HMIDIOUT handle_ = nullptr;
};

} // namespace ML
