#pragma once
// What both directions of a virtual device keep alike, behind the device's
// one lock: whether it is plugged in, the result opens are made to fail
// with, and whether it runs at wire speed.
#include "platform/mm/MMSystem.h"

#include <mutex>

namespace mm {

class VirtualDeviceState {
public:
    bool Present() const {
        std::lock_guard lock(mutex_);
        return present_;
    }
    // Opens fail with result until FailOpens(MMSYSERR_NOERROR).
    void FailOpens(MMRESULT result) {
        std::lock_guard lock(mutex_);
        openResult_ = result;
    }
    void SetWireSpeed(bool on) {
        std::lock_guard lock(mutex_);
        wireSpeed_ = on;
    }

protected:
    // Why an open fails now (MMSYSERR_NOERROR: it may go on); mutex_ held.
    MMRESULT OpenRefusal() const { return present_ ? openResult_ : MMSYSERR_NODRIVER; }

    mutable std::mutex mutex_;
    bool present_ = true;
    bool wireSpeed_ = false;
    MMRESULT openResult_ = MMSYSERR_NOERROR;
};

} // namespace mm
