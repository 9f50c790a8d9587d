#include "engine/DataSmfWriter.h"

#include "engine/SmfExchange.h"
#include "ml/MidiStatus.h"

#include <algorithm>

COruDataSmfWriter::COruDataSmfWriter() : COruMidiOutDevice("Standard MIDI File") {}

std::size_t COruDataSmfWriter::WriteAt(std::size_t position, std::span<const std::uint8_t> bytes) {
    // A position a file in memory cannot reach writes nothing; the chunk
    // writer then reports the short write.
    constexpr std::size_t kLimit = 0x7FFFFFFF;
    if (position > kLimit || bytes.size() > kLimit - position)
        return 0;
    if (file_.size() < position + bytes.size())
        file_.resize(position + bytes.size());
    std::copy(bytes.begin(), bytes.end(), file_.begin() + static_cast<std::ptrdiff_t>(position));
    return bytes.size();
}

bool COruDataSmfWriter::Send(std::span<const std::uint8_t> bytes) {
    if (bytes.empty() || bytes.front() != ML::kSysExStart)
        return true;
    const bool added = AddSysEx(nextDelta_, bytes);
    if (!added)
        sendFailed_ = true;
    nextDelta_ = SmfDeltaAfter(bytes.size());
    return added;
}

void COruDataSmfWriter::ResetFile() {
    file_.clear();
    nextDelta_ = 0;
    sendFailed_ = false;
}
