#include "ml/SmfReader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace ML {

namespace {

// Payloads are read in steps of this size, so that a hostile length field can
// make us allocate at most this much beyond the bytes really present.
constexpr std::size_t kReadStep = 64 * 1024;

std::uint16_t Big16(const std::uint8_t* at) { return static_cast<std::uint16_t>(at[0] << 8 | at[1]); }

std::uint32_t Big32(const std::uint8_t* at) {
    return static_cast<std::uint32_t>(at[0]) << 24 | static_cast<std::uint32_t>(at[1]) << 16 |
           static_cast<std::uint32_t>(at[2]) << 8 | static_cast<std::uint32_t>(at[3]);
}

} // namespace

bool CSmfReader::OnHeader(const Header&) { return true; }

bool CSmfReader::OnTrack(const TrackHeader&, std::size_t) { return true; }

bool CSmfReader::OnChannelMessage(std::uint32_t, const CShortMessage&) { return true; }

bool CSmfReader::OnSysEx(std::uint32_t, const CLongMessage&) { return true; }

bool CSmfReader::OnMeta(std::uint32_t, const Meta&) { return true; }

bool CSmfReader::ReadExact(std::span<std::uint8_t> out) {
    const std::size_t got = Read(out, position_);
    position_ += std::min(got, out.size());
    return got == out.size();
}

bool CSmfReader::ReadByte(std::uint8_t& byte) { return ReadExact(std::span(&byte, 1)); }

bool CSmfReader::ReadVariableLength(std::uint32_t& value) {
    value = 0;
    for (int i = 0; i < 4; ++i) {
        std::uint8_t byte = 0;
        if (!ReadByte(byte))
            return false;
        value = value << 7 | (byte & 0x7F);
        if ((byte & 0x80) == 0)
            return true;
    }
    return false; // a fifth continuation
}

bool CSmfReader::ReadPayload(std::uint32_t length, std::span<const std::uint8_t> prefix) {
    payload_.assign(prefix.begin(), prefix.end());
    std::size_t left = length;
    while (left > 0) {
        const std::size_t step = std::min(left, kReadStep);
        const std::size_t at = payload_.size();
        payload_.resize(at + step);
        if (!ReadExact(std::span(payload_).subspan(at, step)))
            return false;
        left -= step;
    }
    return true;
}

bool CSmfReader::ParseHeader() {
    std::array<std::uint8_t, kHeaderSize> bytes{};
    if (!ReadExact(bytes))
        return false;
    if (std::memcmp(bytes.data(), "MThd", 4) != 0)
        return false;
    Header header;
    header.length = Big32(bytes.data() + 4);
    header.format = Big16(bytes.data() + 8);
    header.trackCount = Big16(bytes.data() + 10);
    header.division = Big16(bytes.data() + 12);
    if (header.length != 6)
        return false;
    if (!OnHeader(header))
        return false;
    trackCount_ = header.trackCount;
    return trackCount_ > 0;
}

bool CSmfReader::ParseSmf() {
    position_ = 0;
    trackCount_ = 0;
    if (!ParseHeader())
        return false;
    for (std::size_t track = 0; track < trackCount_; ++track)
        if (!ParseTrack(track))
            return false;
    return true;
}

bool CSmfReader::ParseTrack(std::size_t trackIndex) {
    std::array<std::uint8_t, kTrackHeaderSize> bytes{};
    if (!ReadExact(bytes))
        return false;
    if (std::memcmp(bytes.data(), "MTrk", 4) != 0)
        return false;
    if (!OnTrack(TrackHeader{Big32(bytes.data() + 4)}, trackIndex))
        return false;
    runningStatus_ = 0;
    bool endOfTrack = false;
    while (!endOfTrack)
        if (!ParseEvent(endOfTrack))
            return false;
    return true;
}

bool CSmfReader::ParseEvent(bool& endOfTrack) {
    std::uint32_t delta = 0;
    std::uint8_t status = 0;
    if (!ReadVariableLength(delta) || !ReadByte(status))
        return false;

    if (status == 0xF0 || status == 0xF7)
        return ParseSysEx(delta, status);
    if (status == 0xFF)
        return ParseMeta(delta, endOfTrack);
    if (status >= 0xF1)
        return true; // other system statuses carry nothing here
    if (status >= 0x80) {
        std::uint8_t data1 = 0;
        if (!ReadByte(data1))
            return false;
        runningStatus_ = status;
        return ParseChannelMessage(delta, status, data1);
    }
    // A data byte: running status. Without a channel status yet the byte is
    // given back and read again as the start of the next event.
    if (runningStatus_ == 0) {
        --position_;
        return true;
    }
    return ParseChannelMessage(delta, runningStatus_, status);
}

bool CSmfReader::ParseChannelMessage(std::uint32_t delta, std::uint8_t status, std::uint8_t data1) {
    std::uint8_t data2 = 0;
    if (StandardLength(status) == 3 && !ReadByte(data2))
        return false;
    return OnChannelMessage(delta, CShortMessage(status, data1, data2));
}

bool CSmfReader::ParseSysEx(std::uint32_t delta, std::uint8_t status) {
    std::uint32_t length = 0;
    if (!ReadVariableLength(length))
        return false;
    const std::uint8_t start[] = {0xF0};
    const auto prefix = status == 0xF0 ? std::span<const std::uint8_t>(start) : std::span<const std::uint8_t>();
    if (!ReadPayload(length, prefix))
        return false;
    if (!sysEx_.Assign(payload_))
        return true; // not a system-exclusive message: dropped
    return OnSysEx(delta, sysEx_);
}

bool CSmfReader::ParseMeta(std::uint32_t delta, bool& endOfTrack) {
    std::uint8_t type = 0;
    std::uint32_t length = 0;
    if (!ReadByte(type) || !ReadVariableLength(length))
        return false;
    if (!ReadPayload(length, {}))
        return false;
    if (!OnMeta(delta, Meta{type, payload_}))
        return false;
    endOfTrack = type == kEndOfTrack;
    return true;
}

} // namespace ML
