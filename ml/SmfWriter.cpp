#include "ml/SmfWriter.h"

#include "ml/MidiStatus.h"

#include <array>
#include <limits>

namespace ML {

namespace {

constexpr std::uint8_t kMetaStatus = 0xFF;

void PutBig16(std::uint8_t* at, std::uint16_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 8);
    at[1] = static_cast<std::uint8_t>(value);
}

void PutBig32(std::uint8_t* at, std::uint32_t value) {
    at[0] = static_cast<std::uint8_t>(value >> 24);
    at[1] = static_cast<std::uint8_t>(value >> 16);
    at[2] = static_cast<std::uint8_t>(value >> 8);
    at[3] = static_cast<std::uint8_t>(value);
}

std::array<std::uint8_t, CSmf::kTrackHeaderSize> TrackHeaderBytes(std::uint32_t length) {
    std::array<std::uint8_t, CSmf::kTrackHeaderSize> bytes{'M', 'T', 'r', 'k'};
    PutBig32(bytes.data() + 4, length);
    return bytes;
}

} // namespace

bool CSmfWriter::WriteAll(std::size_t position, std::span<const std::uint8_t> bytes) {
    return bytes.empty() || WriteAt(position, bytes) == bytes.size();
}

bool CSmfWriter::Append(std::span<const std::uint8_t> bytes) {
    if (!WriteAll(position_, bytes))
        return false;
    position_ += bytes.size();
    return true;
}

bool CSmfWriter::AppendVariableLength(std::uint32_t value) {
    std::array<std::uint8_t, 4> bytes{};
    const std::size_t count = EncodeVariableLength(value, bytes);
    return count != 0 && Append(std::span(bytes).first(count));
}

bool CSmfWriter::AppendEventStart(std::uint32_t delta, std::uint8_t status) {
    if (!inTrack_)
        return false;
    const std::uint8_t statusBytes[] = {status};
    return AppendVariableLength(delta) && Append(statusBytes);
}

bool CSmfWriter::WriteHeader(std::uint16_t format, std::uint16_t tracks) {
    std::array<std::uint8_t, kHeaderSize> header{'M', 'T', 'h', 'd'};
    PutBig32(header.data() + 4, 6);
    PutBig16(header.data() + 8, format);
    PutBig16(header.data() + 10, tracks);
    PutBig16(header.data() + 12, kDivision);
    return WriteAll(0, header);
}

bool CSmfWriter::Begin() {
    trackCount_ = 0;
    position_ = 0;
    trackStart_ = 0;
    inTrack_ = false;
    began_ = WriteHeader(0, 0);
    if (began_)
        position_ = kHeaderSize;
    return began_;
}

bool CSmfWriter::BeginTrack() {
    if (!began_ || inTrack_)
        return false;
    trackStart_ = position_;
    if (!Append(TrackHeaderBytes(0)))
        return false;
    inTrack_ = true;
    return true;
}

bool CSmfWriter::AddSysEx(std::uint32_t delta, std::span<const std::uint8_t> message) {
    if (message.empty() || message.front() != kSysExStart)
        return false;
    if (message.size() - 1 > kMaxVariableLength)
        return false;
    const auto body = message.subspan(1);
    return AppendEventStart(delta, kSysExStart) && AppendVariableLength(static_cast<std::uint32_t>(body.size())) &&
           Append(body);
}

bool CSmfWriter::AddMeta(std::uint32_t delta, std::uint8_t type, std::span<const std::uint8_t> bytes) {
    if (bytes.size() > kMaxVariableLength)
        return false;
    const std::uint8_t typeBytes[] = {type};
    return AppendEventStart(delta, kMetaStatus) && Append(typeBytes) &&
           AppendVariableLength(static_cast<std::uint32_t>(bytes.size())) && Append(bytes);
}

bool CSmfWriter::EndTrack() {
    if (!AddMeta(0, kEndOfTrack, {}))
        return false;
    const std::size_t length = position_ - trackStart_ - kTrackHeaderSize;
    if (length > std::numeric_limits<std::uint32_t>::max())
        return false;
    if (!WriteAll(trackStart_, TrackHeaderBytes(static_cast<std::uint32_t>(length))))
        return false;
    inTrack_ = false;
    ++trackCount_;
    return true;
}

bool CSmfWriter::Finish() {
    if (!began_ || inTrack_)
        return false;
    if (trackCount_ > std::numeric_limits<std::uint16_t>::max())
        return false;
    const std::uint16_t format = trackCount_ > 1 ? 1 : 0;
    return WriteHeader(format, static_cast<std::uint16_t>(trackCount_));
}

} // namespace ML
