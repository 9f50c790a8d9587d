#include "engine/MidiOutDevice.h"

#include "engine/MidiSetup.h"
#include "ml/ShortMessage.h"

#include <utility>
#include <vector>

CMidiOutDevice::CMidiOutDevice(std::string deviceName, COruMidiSetup& setup, ML::ITickClock& clock)
    : CMidiOutDeviceA(std::move(deviceName)), ML::COut(clock), setup_(&setup) {}

CMidiOutDevice::~CMidiOutDevice() { ML::COut::Close(); }

bool CMidiOutDevice::Open() {
    if (ML::COut::IsOpen())
        return true;
    ML::COut::Close();
    return ML::COut::Open(name);
}

bool CMidiOutDevice::IsOpen() { return ML::COut::IsOpen(); }

void CMidiOutDevice::CloseDevice() { ML::COut::Close(); }

bool CMidiOutDevice::Send(std::span<const std::uint8_t> bytes) {
    COruMidiSetup& setup = *setup_;
    COruMidiSetupState& state = setup.State();
    // A device whose far side went away and came back between two sends
    // is open again only now: the connection was lost meanwhile, and its
    // return is reported.
    const bool lost = !setup.AllOpen();
    const bool opened = setup.OpenAll();
    if (lost && opened)
        state.SetQuiet(false);
    state.Report(opened);
    if (!ML::COut::IsOpen())
        return false;
    if (bytes.empty())
        return true;
    if (bytes[0] == 0xF0)
        return ML::COut::SendLong(bytes);
    const ML::CShortMessage message(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
    return ML::COut::SendShort(ML::PackShortMessage(message));
}
