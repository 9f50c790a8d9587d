#include "ml/MMOut.h"

#include "ml/DeviceNames.h"
#include "ml/MMReporter.h"

namespace ML {

namespace {

bool Report(mm::MMRESULT result) { return OutputReporter().Report(result); }

} // namespace

CMMOut::~CMMOut() { Close(); }

bool CMMOut::OpenById(mm::UINT id, mm::DWORD_PTR callback, mm::DWORD_PTR instance, mm::DWORD flags) {
    Close();
    return Report(mm::midiOutOpen(&handle_, id, callback, instance, flags));
}

bool CMMOut::OpenByName(const std::string& name, mm::DWORD_PTR callback, mm::DWORD_PTR instance, mm::DWORD flags) {
    const int index = FindOutputDevice(name);
    return index >= 0 && OpenById(static_cast<mm::UINT>(index), callback, instance, flags);
}

bool CMMOut::Close() {
    if (handle_ == nullptr)
        return true;
    const mm::MMRESULT result = mm::midiOutClose(handle_);
    handle_ = nullptr;
    return Report(result);
}

bool CMMOut::PrepareHeader(mm::MIDIHDR& header) {
    return handle_ == nullptr || Report(mm::midiOutPrepareHeader(handle_, &header, sizeof header));
}

bool CMMOut::UnprepareHeader(mm::MIDIHDR& header) {
    return handle_ == nullptr || Report(mm::midiOutUnprepareHeader(handle_, &header, sizeof header));
}

bool CMMOut::ResetPort() { return handle_ == nullptr || Report(mm::midiOutReset(handle_)); }

bool CMMOut::LongMsg(mm::MIDIHDR& header) {
    return handle_ == nullptr || Report(mm::midiOutLongMsg(handle_, &header, sizeof header));
}

bool CMMOut::ShortMsg(std::uint32_t packed) {
    return handle_ == nullptr || Report(mm::midiOutShortMsg(handle_, packed));
}

mm::DWORD CMMOut::Support() const {
    if (handle_ == nullptr)
        return 0;
    mm::MIDIOUTCAPSA caps;
    if (mm::midiOutGetDevCapsA(reinterpret_cast<mm::UINT_PTR>(handle_), &caps, sizeof caps) != mm::MMSYSERR_NOERROR)
        return 0;
    return caps.dwSupport;
}

bool CMMOut::IsOpen() const {
    if (handle_ == nullptr)
        return false;
    mm::MIDIOUTCAPSA caps;
    return Report(mm::midiOutGetDevCapsA(reinterpret_cast<mm::UINT_PTR>(handle_), &caps, sizeof caps));
}

} // namespace ML
