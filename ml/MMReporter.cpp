#include "ml/MMReporter.h"

#include <atomic>

namespace ML {

namespace {

class CReporterSlot {
public:
    AMMReporter& Get() {
        AMMReporter* installed = current_.load(std::memory_order_acquire);
        return installed != nullptr ? *installed : default_;
    }
    std::unique_ptr<AMMReporter> Set(std::unique_ptr<AMMReporter> reporter) {
        current_.store(reporter.get(), std::memory_order_release);
        std::swap(installed_, reporter);
        return reporter;
    }

private:
    AMMReporter default_;
    std::unique_ptr<AMMReporter> installed_;
    std::atomic<AMMReporter*> current_{nullptr};
};

// Process-wide because the ports report from the device API's calls and
// callbacks, which carry no pointer of the program's to report through.
CReporterSlot& InputSlot() {
    static CReporterSlot slot;
    return slot;
}

CReporterSlot& OutputSlot() {
    static CReporterSlot slot;
    return slot;
}

} // namespace

bool AMMReporter::Report(mm::MMRESULT result) { return result == mm::MMSYSERR_NOERROR; }

AMMReporter& InputReporter() { return InputSlot().Get(); }
AMMReporter& OutputReporter() { return OutputSlot().Get(); }

std::unique_ptr<AMMReporter> SetInputReporter(std::unique_ptr<AMMReporter> reporter) {
    return InputSlot().Set(std::move(reporter));
}

std::unique_ptr<AMMReporter> SetOutputReporter(std::unique_ptr<AMMReporter> reporter) {
    return OutputSlot().Set(std::move(reporter));
}

} // namespace ML
