#include "ml/MMIn.h"

#include "ml/DeviceNames.h"
#include "ml/MMReporter.h"

namespace ML {

namespace {

bool Report(mm::MMRESULT result) { return InputReporter().Report(result); }

} // namespace

CMMIn::~CMMIn() { Close(); }

bool CMMIn::OpenById(mm::UINT id, mm::MIDIINPROC callback, mm::DWORD_PTR instance, mm::DWORD flags) {
    Close();
    return Report(mm::midiInOpen(&handle_, id, callback, instance, flags));
}

bool CMMIn::OpenByName(const std::string& name, mm::MIDIINPROC callback, mm::DWORD_PTR instance, mm::DWORD flags) {
    const int index = FindInputDevice(name);
    return index >= 0 && OpenById(static_cast<mm::UINT>(index), callback, instance, flags);
}

bool CMMIn::Close() {
    if (handle_ == nullptr)
        return true;
    const mm::MMRESULT result = mm::midiInClose(handle_);
    handle_ = nullptr;
    return Report(result);
}

bool CMMIn::PrepareHeader(mm::MIDIHDR& header) {
    return handle_ != nullptr && Report(mm::midiInPrepareHeader(handle_, &header, sizeof header));
}

bool CMMIn::UnprepareHeader(mm::MIDIHDR& header) {
    return handle_ != nullptr && Report(mm::midiInUnprepareHeader(handle_, &header, sizeof header));
}

bool CMMIn::AddBuffer(mm::MIDIHDR& header) {
    return handle_ != nullptr && Report(mm::midiInAddBuffer(handle_, &header, sizeof header));
}

bool CMMIn::Start() { return handle_ != nullptr && Report(mm::midiInStart(handle_)); }

bool CMMIn::Stop() { return handle_ != nullptr && Report(mm::midiInStop(handle_)); }

bool CMMIn::ResetPort() { return handle_ != nullptr && Report(mm::midiInReset(handle_)); }

bool CMMIn::IsOpen() const {
    if (handle_ == nullptr)
        return false;
    mm::MIDIINCAPSA caps;
    return Report(mm::midiInGetDevCapsA(reinterpret_cast<mm::UINT_PTR>(handle_), &caps, sizeof caps));
}

} // namespace ML
