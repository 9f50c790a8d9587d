#pragma once
// One stored sound setting of the unit: 128 bytes of device data (one block of
// one segment) whose last 32 bytes carry a 16-character name, plus the memos.
#include "data/Parameter.h"

#include <string>
#include <string_view>

class CPatch : public CParameter {
public:
    static constexpr int kKind = 1;
    static constexpr int kDataSize = 128;
    static constexpr int kNameOffset = 96;
    static constexpr int kNameLength = 16;

    // The data bytes are kept and never interpreted, except the name; a new
    // patch is named "INIT PATCH" unless the initial data file supplies it.
    void Initialize() override;
    std::unique_ptr<CParameter> Clone() const override;
    // Adds column 5, the name, to the memo columns.
    int Compare(int column, const CParameter& other, int thisIndex, int otherIndex, bool reverseTies) const override;
    int GetBlockCount() const override { return 1; }
    int GetSegmentCount(int /*block*/) const override { return 1; }
    int GetSegmentSize(int /*block*/) const override { return kDataSize; }
    int GetKind() const override { return kKind; }

    // The characters at bytes 97, 99, ..., 127, up to the first 0.
    std::string GetName() const;
    // Stores the first 16 characters, each outside 0x20..0x7F as a space, and
    // pads with 0; the bytes between the characters become 0.
    void SetName(std::string_view text);

    // The 128 data bytes, or nullptr for an object not brought to its shape.
    std::uint8_t* Data();
    const std::uint8_t* Data() const;
};

// The patch an element of a patch array is, or nullptr for any other kind.
inline CPatch* AsPatch(CParameter* parameter) { return dynamic_cast<CPatch*>(parameter); }
inline const CPatch* AsPatch(const CParameter* parameter) { return dynamic_cast<const CPatch*>(parameter); }
