#include "ml/TessanMessage.h"

#include "toolkit/core/TextOut.h"

#include <algorithm>
#include <functional>
#include <limits>
#include <string>

namespace ML {

namespace {
constexpr std::uint8_t kNoChecksum = 0xFF;
} // namespace

CTessanMessage::CTessanMessage() { CTessanMessage::Reset(); }

void CTessanMessage::Reset() {
    CLongMessage::Reset();
    assign({0xF0, 0x41, 0x7F, 0x42, 0x12, 0xF7});
    sections_ = {Range{2, 1}, Range{3, 1}, Range{4, 1}, Range{5, 0}, Range{5, 0}, Range{5, 0}};
}

std::span<const std::uint8_t> CTessanMessage::GetSection(Section section) const {
    const Range range = sections_[section];
    const std::size_t offset = std::min<std::size_t>(static_cast<std::size_t>(std::max(range.offset, 0)), size());
    const std::size_t count =
        std::min<std::size_t>(static_cast<std::size_t>(std::max(range.size, 0)), size() - offset);
    return std::span<const std::uint8_t>(data() + offset, count);
}

std::int32_t CTessanMessage::GetSectionOffset(Section section) const { return sections_[section].offset; }

std::int32_t CTessanMessage::GetSectionSize(Section section) const { return sections_[section].size; }

std::vector<std::uint8_t> CTessanMessage::SectionCopy(Section section) const {
    const auto bytes = GetSection(section);
    return std::vector<std::uint8_t>(bytes.begin(), bytes.end());
}

void CTessanMessage::ReplaceSection(Section section, std::span<const std::uint8_t> bytes) {
    // Bytes taken from this message itself would move under our feet.
    if (!bytes.empty() && !empty() && !std::less<>{}(bytes.data(), data()) &&
        std::less<>{}(bytes.data(), data() + size())) {
        const std::vector<std::uint8_t> own(bytes.begin(), bytes.end());
        ReplaceSection(section, own);
        return;
    }
    // Work on the part of the section that the bytes really hold, so that an
    // inconsistent table (after a failed Parse) cannot take us out of bounds.
    const auto old = GetSection(section);
    const auto offset = static_cast<std::ptrdiff_t>(old.data() - data());
    const auto oldSize = static_cast<std::ptrdiff_t>(old.size());
    const auto newSize = static_cast<std::ptrdiff_t>(bytes.size());

    if (newSize <= oldSize) {
        std::copy(bytes.begin(), bytes.end(), begin() + offset);
        erase(begin() + offset + newSize, begin() + offset + oldSize);
    } else {
        std::copy(bytes.begin(), bytes.begin() + oldSize, begin() + offset);
        insert(begin() + offset + oldSize, bytes.begin() + oldSize, bytes.end());
    }

    const auto shift = static_cast<std::int32_t>(newSize - oldSize);
    sections_[section].size = static_cast<std::int32_t>(newSize);
    for (int later = section + 1; later < kSectionCount; ++later)
        sections_[later].offset += shift;
}

void CTessanMessage::SetDeviceId(std::uint8_t id) {
    const std::uint8_t bytes[] = {id};
    ReplaceSection(DeviceId, bytes);
}

std::uint8_t CTessanMessage::GetDeviceId() const {
    const auto bytes = GetSection(DeviceId);
    return bytes.empty() ? 0 : bytes.front();
}

void CTessanMessage::SetModelId(std::span<const std::uint8_t> bytes) {
    if (!bytes.empty())
        ReplaceSection(ModelId, bytes);
}

void CTessanMessage::SetCommand(std::span<const std::uint8_t> bytes) {
    if (!bytes.empty())
        ReplaceSection(Command, bytes);
}

void CTessanMessage::SetAddress(std::span<const std::uint8_t> bytes) { ReplaceSection(Address, bytes); }

void CTessanMessage::SetData(std::span<const std::uint8_t> bytes) { ReplaceSection(Data, bytes); }

std::vector<std::uint8_t> CTessanMessage::GetModelId() const { return SectionCopy(ModelId); }

std::vector<std::uint8_t> CTessanMessage::GetCommand() const { return SectionCopy(Command); }

std::vector<std::uint8_t> CTessanMessage::GetAddress() const { return SectionCopy(Address); }

std::vector<std::uint8_t> CTessanMessage::GetData() const { return SectionCopy(Data); }

std::size_t CTessanMessage::GetDataSize() const { return static_cast<std::size_t>(std::max(sections_[Data].size, 0)); }

std::uint8_t CTessanMessage::ComputeChecksum() const {
    const auto address = GetSection(Address);
    const auto payload = GetSection(Data);
    if (address.empty() && payload.empty())
        return kNoChecksum;
    unsigned sum = 0;
    for (std::uint8_t b : address)
        sum += b;
    for (std::uint8_t b : payload)
        sum += b;
    return static_cast<std::uint8_t>((0u - sum) & 0x7F);
}

void CTessanMessage::UpdateChecksum() {
    const std::uint8_t checksum = ComputeChecksum();
    if (checksum == kNoChecksum) {
        ReplaceSection(Checksum, {});
    } else {
        const std::uint8_t bytes[] = {checksum};
        ReplaceSection(Checksum, bytes);
    }
}

std::uint8_t CTessanMessage::GetChecksum() const {
    const auto bytes = GetSection(Checksum);
    return bytes.empty() ? kNoChecksum : bytes.front();
}

bool CTessanMessage::Parse(std::span<const std::uint8_t> bytes, int addressSize) {
    if (addressSize < 0)
        return false;
    if (bytes.size() > static_cast<std::size_t>(std::numeric_limits<std::int32_t>::max()))
        return false;
    if (!Assign(bytes))
        return false;
    const std::size_t n = size();
    if (n < 6)
        return false;
    const auto& b = *this;
    sections_[DeviceId] = {2, 1};

    // Model id: zero bytes, then one non-zero byte; leave room for the
    // command and F7.
    std::size_t m = 0;
    for (;;) {
        const std::size_t at = 3 + m;
        if (at > n - 3)
            return false;
        ++m;
        if (b[at] != 0x00)
            break;
    }
    sections_[ModelId] = {3, static_cast<std::int32_t>(m)};

    // Command: the same shape, leaving room for F7.
    const std::size_t commandStart = 3 + m;
    if (commandStart > n - 2)
        return false;
    std::size_t c = 0;
    for (;;) {
        const std::size_t at = commandStart + c;
        if (at > n - 2)
            return false;
        ++c;
        if (b[at] != 0x00)
            break;
    }
    sections_[Command] = {static_cast<std::int32_t>(commandStart), static_cast<std::int32_t>(c)};

    const std::size_t o = commandStart + c;
    const auto a = static_cast<std::size_t>(addressSize);
    if (a > 0 ? (a > n - 2 || o > n - 2 - a) : o > n - 1)
        return false;
    sections_[Address] = {static_cast<std::int32_t>(o), static_cast<std::int32_t>(a)};

    const std::size_t dataStart = o + a;
    const std::size_t d = (a > 0 || dataStart < n - 1) ? n - dataStart - 2 : 0;
    sections_[Data] = {static_cast<std::int32_t>(dataStart), static_cast<std::int32_t>(d)};

    const std::int32_t checksumSize = (a > 0 || d > 0) ? 1 : 0;
    sections_[Checksum] = {static_cast<std::int32_t>(dataStart + d), checksumSize};
    return true;
}

void CTessanMessage::Dump(GT::ITextOut& out) const {
    std::string text;
    text.reserve(size() * 3 + 128);

    AppendHex(text, ByteAt(0));
    AppendHex(text, GetManufacturerId());
    for (Section s : {DeviceId, ModelId, Command})
        for (std::uint8_t byte : GetSection(s))
            AppendHex(text, byte);
    text += '\n';
    text += "+0 +1 +2 +3 +4 +5 +6 +7 +8 +9 +A +B +C +D +E +F\n";

    const auto address = GetSection(Address);
    for (std::uint8_t byte : address)
        AppendHex(text, byte);
    text += '\n';

    // The first data byte stands in the column of the address's low nibble.
    int column = address.empty() ? 0 : (address.back() & 0x0F);
    text.append(static_cast<std::size_t>(column) * 3, ' ');
    for (std::uint8_t byte : GetSection(Data)) {
        AppendHex(text, byte);
        if (column == 15) {
            text += '\n';
            column = 0;
        } else {
            ++column;
        }
    }
    if (column != 0)
        text += '\n';

    AppendHex(text, GetChecksum());
    AppendHex(text, empty() ? 0 : back(), "\n");
    out.Write(text);
}

const CMessage& DataRequestCommand() {
    static const CMessage command{0x11};
    return command;
}

const CMessage& DataSetCommand() {
    static const CMessage command{0x12};
    return command;
}

std::vector<std::uint8_t> ToSevenBitGroups(std::uint32_t value, std::size_t count) {
    std::vector<std::uint8_t> bytes(count, 0x00);
    for (std::size_t i = 0; i < count; ++i) {
        const std::size_t shift = 7 * (count - 1 - i);
        bytes[i] = shift < 32 ? static_cast<std::uint8_t>((value >> shift) & 0x7F) : 0x00;
    }
    return bytes;
}

std::uint32_t FromSevenBitGroups(std::span<const std::uint8_t> bytes) {
    std::uint32_t value = 0;
    for (std::uint8_t b : bytes)
        value = value * 128 + b;
    return value;
}

} // namespace ML
