#pragma once
// The address/checksum system-exclusive message through which the unit's
// memory is read and written:
//   F0, manufacturer id, device id, model id, command, address, data,
//   checksum, F7
// The fields after the manufacturer id are kept as a table of sections that
// follow each other without gaps from offset 2; the setters replace one
// section and move the later ones. Setters never touch the checksum: compose
// in the order manufacturer id, device id, model id, command, address, data,
// then UpdateChecksum.
#include "ml/LongMessage.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ML {

class CTessanMessage : public CLongMessage {
public:
    enum Section : int { DeviceId = 0, ModelId, Command, Address, Data, Checksum };
    static constexpr int kSectionCount = 6;

    // F0 41 7F 42 12 F7 with empty address, data and checksum.
    CTessanMessage();

    void Reset() override;
    void SetDeviceId(std::uint8_t id) override;
    std::uint8_t GetDeviceId() const override;
    // An empty sequence is ignored: a message always has a model id and a
    // command.
    void SetModelId(std::span<const std::uint8_t> bytes);
    void SetCommand(std::span<const std::uint8_t> bytes);
    void SetAddress(std::span<const std::uint8_t> bytes);
    void SetData(std::span<const std::uint8_t> bytes) override;

    std::vector<std::uint8_t> GetModelId() const;
    std::vector<std::uint8_t> GetCommand() const;
    std::vector<std::uint8_t> GetAddress() const;
    std::vector<std::uint8_t> GetData() const override;
    std::size_t GetDataSize() const override;

    // A view of a section's bytes without copying. After a failed Parse the
    // table may not match the bytes; the view is then cut to the bytes held
    // and never reaches past them.
    std::span<const std::uint8_t> GetSection(Section section) const;
    std::int32_t GetSectionOffset(Section section) const;
    std::int32_t GetSectionSize(Section section) const;

    // The 7-bit value that makes the sum of address, data and checksum a
    // multiple of 128; 0xFF (no checksum) when address and data are empty.
    std::uint8_t ComputeChecksum() const;
    // Stores ComputeChecksum in section Checksum, or empties it for 0xFF.
    void UpdateChecksum();
    // The checksum byte held, or 0xFF when there is none.
    std::uint8_t GetChecksum() const;

    // Splits a received message into its sections for an address of
    // addressSize bytes. False when the bytes are not a system-exclusive
    // message or leave no room for the fields. After a false result that got
    // past the system-exclusive check the bytes are the received ones and the
    // section table is incomplete: discard the message.
    bool Parse(std::span<const std::uint8_t> bytes, int addressSize);

    // Header fields, column header, address, data aligned under the column of
    // the address's low nibble, then checksum and F7; written once.
    void Dump(GT::ITextOut& out) const override;

protected:
    // Replaces a section's bytes and shifts the offsets of the later ones.
    void ReplaceSection(Section section, std::span<const std::uint8_t> bytes);

private:
    struct Range {
        std::int32_t offset = 0;
        std::int32_t size = 0;
    };
    std::vector<std::uint8_t> SectionCopy(Section section) const;

    std::array<Range, kSectionCount> sections_{};
};

// The shared one-byte command sequences: 0x11 data request, 0x12 data set.
const CMessage& DataRequestCommand();
const CMessage& DataSetCommand();

// value in count 7-bit groups, most significant first (the form of addresses
// and requested sizes); leading groups beyond count are dropped.
std::vector<std::uint8_t> ToSevenBitGroups(std::uint32_t value, std::size_t count);
// Folds 7-bit groups from the first: v = v * 128 + byte.
std::uint32_t FromSevenBitGroups(std::span<const std::uint8_t> bytes);

} // namespace ML
