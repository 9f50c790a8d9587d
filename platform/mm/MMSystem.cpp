#include "platform/mm/MMSystem.h"

#include "platform/mm/DeviceTable.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace mm {

namespace {

DeviceTable& Table() { return DeviceTable::Instance(); }

void CopyName(const std::string& name, char (&target)[MAXPNAMELEN]) {
    const std::size_t n = std::min(name.size(), static_cast<std::size_t>(MAXPNAMELEN - 1));
    std::memcpy(target, name.data(), n);
    target[n] = '\0';
}

bool ValidHeader(const MIDIHDR* header, UINT size) { return header != nullptr && size == sizeof(MIDIHDR); }

} // namespace

UINT midiInGetNumDevs() { return Table().RefreshInputs(); }
UINT midiOutGetNumDevs() { return Table().RefreshOutputs(); }

MMRESULT midiInGetDevCapsA(UINT_PTR uDeviceID, MIDIINCAPSA* caps, UINT cbCaps) {
    if (caps == nullptr || cbCaps != sizeof(MIDIINCAPSA))
        return MMSYSERR_INVALPARAM;
    *caps = MIDIINCAPSA{};
    if (MidiIn* open = Table().FindIn(uDeviceID)) {
        if (!open->Present())
            return MMSYSERR_NODRIVER;
        CopyName(open->Name(), caps->szPname);
        return MMSYSERR_NOERROR;
    }
    if (uDeviceID > 0xFFFFFFFFu)
        return MMSYSERR_INVALHANDLE;
    auto device = Table().Input(static_cast<UINT>(uDeviceID));
    if (!device)
        return MMSYSERR_BADDEVICEID;
    CopyName(device->Name(), caps->szPname);
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutGetDevCapsA(UINT_PTR uDeviceID, MIDIOUTCAPSA* caps, UINT cbCaps) {
    if (caps == nullptr || cbCaps != sizeof(MIDIOUTCAPSA))
        return MMSYSERR_INVALPARAM;
    *caps = MIDIOUTCAPSA{};
    caps->wTechnology = MOD_MIDIPORT;
    caps->wChannelMask = 0xFFFF;
    if (MidiOut* open = Table().FindOut(uDeviceID)) {
        if (!open->Present())
            return MMSYSERR_NODRIVER;
        CopyName(open->Name(), caps->szPname);
        caps->dwSupport = open->Support();
        return MMSYSERR_NOERROR;
    }
    if (uDeviceID > 0xFFFFFFFFu)
        return MMSYSERR_INVALHANDLE;
    auto device = Table().Output(static_cast<UINT>(uDeviceID));
    if (!device)
        return MMSYSERR_BADDEVICEID;
    CopyName(device->Name(), caps->szPname);
    caps->dwSupport = device->Support();
    return MMSYSERR_NOERROR;
}

MMRESULT midiInOpen(HMIDIIN* phmi, UINT uDeviceID, MIDIINPROC callback, DWORD_PTR instance, DWORD fdwOpen) {
    if (phmi == nullptr)
        return MMSYSERR_INVALPARAM;
    *phmi = nullptr;
    if (fdwOpen != CALLBACK_NULL && fdwOpen != CALLBACK_FUNCTION)
        return MMSYSERR_INVALFLAG;
    if (fdwOpen == CALLBACK_NULL)
        callback = nullptr;
    auto device = Table().Input(uDeviceID);
    if (!device)
        return MMSYSERR_BADDEVICEID;
    auto in = std::make_unique<MidiIn>(std::move(device), callback, instance);
    const MMRESULT result = in->Open();
    if (result != MMSYSERR_NOERROR)
        return result;
    *phmi = Table().Add(std::move(in));
    return MMSYSERR_NOERROR;
}

MMRESULT midiInClose(HMIDIIN hmi) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    const MMRESULT result = hmi->Close();
    if (result == MMSYSERR_NOERROR)
        Table().Remove(hmi);
    return result;
}

MMRESULT midiInPrepareHeader(HMIDIIN hmi, MIDIHDR* hdr, UINT cbHdr) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(hdr, cbHdr))
        return MMSYSERR_INVALPARAM;
    return hmi->Prepare(hdr);
}

MMRESULT midiInUnprepareHeader(HMIDIIN hmi, MIDIHDR* hdr, UINT cbHdr) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(hdr, cbHdr))
        return MMSYSERR_INVALPARAM;
    return hmi->Unprepare(hdr);
}

MMRESULT midiInAddBuffer(HMIDIIN hmi, MIDIHDR* hdr, UINT cbHdr) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(hdr, cbHdr))
        return MMSYSERR_INVALPARAM;
    return hmi->AddBuffer(hdr);
}

MMRESULT midiInStart(HMIDIIN hmi) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    return hmi->Start();
}

MMRESULT midiInStop(HMIDIIN hmi) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    return hmi->Stop();
}

MMRESULT midiInReset(HMIDIIN hmi) {
    if (!Table().IsOpen(hmi))
        return MMSYSERR_INVALHANDLE;
    return hmi->Reset();
}

MMRESULT midiOutOpen(HMIDIOUT* phmo, UINT uDeviceID, DWORD_PTR, DWORD_PTR, DWORD fdwOpen) {
    if (phmo == nullptr)
        return MMSYSERR_INVALPARAM;
    *phmo = nullptr;
    if (fdwOpen != CALLBACK_NULL)
        return MMSYSERR_INVALFLAG;
    auto device = Table().Output(uDeviceID);
    if (!device)
        return MMSYSERR_BADDEVICEID;
    auto out = std::make_unique<MidiOut>(std::move(device));
    const MMRESULT result = out->Open();
    if (result != MMSYSERR_NOERROR)
        return result;
    *phmo = Table().Add(std::move(out));
    return MMSYSERR_NOERROR;
}

MMRESULT midiOutClose(HMIDIOUT hmo) {
    if (!Table().IsOpen(hmo))
        return MMSYSERR_INVALHANDLE;
    const MMRESULT result = hmo->Close();
    if (result == MMSYSERR_NOERROR)
        Table().Remove(hmo);
    return result;
}

MMRESULT midiOutPrepareHeader(HMIDIOUT hmo, MIDIHDR* hdr, UINT cbHdr) {
    if (!Table().IsOpen(hmo))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(hdr, cbHdr))
        return MMSYSERR_INVALPARAM;
    return hmo->Prepare(hdr);
}

MMRESULT midiOutUnprepareHeader(HMIDIOUT hmo, MIDIHDR* hdr, UINT cbHdr) {
    if (!Table().IsOpen(hmo))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(hdr, cbHdr))
        return MMSYSERR_INVALPARAM;
    return hmo->Unprepare(hdr);
}

MMRESULT midiOutShortMsg(HMIDIOUT hmo, DWORD dwMsg) {
    if (!Table().IsOpen(hmo))
        return MMSYSERR_INVALHANDLE;
    return hmo->ShortMsg(dwMsg);
}

MMRESULT midiOutLongMsg(HMIDIOUT hmo, MIDIHDR* hdr, UINT cbHdr) {
    if (!Table().IsOpen(hmo))
        return MMSYSERR_INVALHANDLE;
    if (!ValidHeader(hdr, cbHdr))
        return MMSYSERR_INVALPARAM;
    return hmo->LongMsg(hdr);
}

MMRESULT midiOutReset(HMIDIOUT hmo) {
    if (!Table().IsOpen(hmo))
        return MMSYSERR_INVALHANDLE;
    return hmo->Reset();
}

void midiTransferBegin() { Table().BeginTransfer(); }
void midiTransferEnd() { Table().EndTransfer(); }

} // namespace mm
