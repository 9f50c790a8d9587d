#pragma once
// Every result of the MIDI device layer passes through a reporter, which
// says whether the operation succeeded. The library keeps one for input
// operations and one for output operations; a replacement can be installed
// (to log, or in tests to record) before ports are in use.
#include "platform/mm/MMSystem.h"

#include <memory>

namespace ML {

class AMMReporter {
public:
    virtual ~AMMReporter() = default;
    // true exactly when result is MMSYSERR_NOERROR; shows and logs nothing.
    virtual bool Report(mm::MMRESULT result);
};

AMMReporter& InputReporter();
AMMReporter& OutputReporter();

// Install a replacement (null goes back to the default) and get back the one
// installed before.
std::unique_ptr<AMMReporter> SetInputReporter(std::unique_ptr<AMMReporter> reporter);
std::unique_ptr<AMMReporter> SetOutputReporter(std::unique_ptr<AMMReporter> reporter);

} // namespace ML
