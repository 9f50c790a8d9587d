// The unit's address map: address bytes, area table, patch addresses, labels.
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <gtest/gtest.h>

#include <tuple>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(AddressBytes, ConvertSevenBitGroupsFirstByteHighest) {
    const Bytes memory{0x7F, 0x00, 0x01, 0x00};
    EXPECT_EQ(AddressFromBytes(memory), 0x0FE00080u);
    EXPECT_EQ(AddressToBytes(0x0FFFC000, 4), (Bytes{0x7F, 0x7F, 0x00, 0x00}));
    EXPECT_EQ(AddressToBytes(0x0FE00080, 4), memory);
    // Fewer bytes keep the low groups; bits above 28 never leak into byte 0.
    EXPECT_EQ(AddressToBytes(0x0FE00080, 2), (Bytes{0x01, 0x00}));
    EXPECT_EQ(AddressToBytes(0x0FE00080, 3), (Bytes{0x00, 0x01, 0x00}));
    EXPECT_EQ(AddressToBytes(0xFFFFFFFF, 4), (Bytes{0x7F, 0x7F, 0x7F, 0x7F}));
    EXPECT_EQ(AddressFromBytes(Bytes{}), 0u);
}

// Every area: number, code, name, base, patch count and where its patches lie.
TEST(AddressMap, AreaTable) {
    struct Row {
        int number, code;
        const char* name;
        Bytes firstPatch;
        int patches;
    };
    const Row rows[] = {
        {1, 0x21, "MEMORY", {0x7F, 0x00, 0x00, 0x00}, 60},
        {2, 0x31, "SOUND LIBRARY: CLEAN", {0x7F, 0x01, 0x00, 0x00}, 10},
        {3, 0x41, "SOUND LIBRARY: CRUNCH", {0x7F, 0x04, 0x00, 0x00}, 10},
        {4, 0x51, "SOUND LIBRARY: DRIVE", {0x7F, 0x02, 0x00, 0x00}, 10},
        {5, 0x61, "SOUND LIBRARY: HEAVY", {0x7F, 0x05, 0x00, 0x00}, 10},
        {6, 0x71, "SOUND LIBRARY: LEAD", {0x7F, 0x03, 0x00, 0x00}, 10},
        {7, 0x81, "SOUND LIBRARY: EXTREME", {0x7F, 0x06, 0x00, 0x00}, 10},
    };
    const CParameterAddress map;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(map.AreaCodeFromNumber(row.number), row.code);
        EXPECT_EQ(map.AreaNumberFromCode(row.code), row.number);
        EXPECT_EQ(map.AreaName(row.number), row.name);
        EXPECT_EQ(map.PatchCount(row.number), row.patches);
        EXPECT_EQ(AddressToBytes(map.BaseAddress(row.code), 4), row.firstPatch);
        for (int i : {0, row.patches - 1}) {
            Bytes expected = row.firstPatch;
            expected[2] = static_cast<std::uint8_t>(i);
            const DeviceAddress address = map.PatchAddress(row.code, i);
            EXPECT_EQ(AddressToBytes(address, 4), expected);
            EXPECT_EQ(map.AreaCodeFromAddress(address), row.code);
            EXPECT_EQ(map.IndexFromAddress(address, row.code), i);
        }
        EXPECT_EQ(map.BlockCodeFor(row.code), 0x101);
        EXPECT_EQ(map.SegmentIndexFor(row.code), 0);
        EXPECT_EQ(map.SegmentSizeFor(row.code, 0x101), 128);
    }
}

TEST(AddressMap, TemporaryPatchAndUnknownValues) {
    const CParameterAddress map;
    EXPECT_EQ(map.PatchAddress(0x11, 42), 0x0FFFC000u); // the index is ignored
    EXPECT_EQ(map.IndexFromAddress(0x0FFFC000, 0x11), 0);
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FFFC000), 0);
    EXPECT_EQ(map.AreaName(0), "");
    EXPECT_EQ(map.AreaName(8), "");
    EXPECT_EQ(map.PatchCount(0), 60);
    EXPECT_EQ(map.PatchCount(8), 60);
    EXPECT_EQ(map.AreaCodeFromNumber(0), -1);
    EXPECT_EQ(map.AreaCodeFromNumber(8), -1);
    EXPECT_EQ(map.AreaNumberFromCode(0x11), 1);
    EXPECT_EQ(map.AreaNumberFromCode(0x35), 1);
    EXPECT_EQ(map.IndexFromAddress(0x0FE00000, 0x22), -1);
    EXPECT_EQ(map.BaseAddress(0x91), 0u);
    EXPECT_EQ(map.PatchAddress(0x22, 0), 0u);
    EXPECT_EQ(map.BlockCodeFor(0x22), 0);
    EXPECT_EQ(map.SegmentIndexFor(0x22), -1);
    EXPECT_EQ(map.SegmentSizeFor(0x22, 0x101), 0);
    EXPECT_EQ(BlockIndexFromCode(0x101), 0);
    EXPECT_EQ(BlockIndexFromCode(0x201), 1);
    EXPECT_EQ(BlockIndexFromCode(0x102), -1);
}

TEST(AddressMap, AreaRangesAreSpansOf0x4000) {
    const CParameterAddress map;
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FE0BFFF), 0x51); // last address of DRIVE
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FE0C000), 0x71); // first of LEAD
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FE1C000), 0);    // just past EXTREME
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FDFFFFF), 0);    // just below MEMORY
    EXPECT_EQ(map.IndexFromAddress(0x0FE01D80, 0x21), 59);
    EXPECT_EQ(map.PatchAddress(0x31, 9), 0x0FE04480u);
}

TEST(AddressMap, Labels) {
    const CParameterAddress map;
    EXPECT_EQ(map.Label(0x21, 0), "MEMORY  1: ");
    EXPECT_EQ(map.Label(0x21, 59), "MEMORY 60: ");
    EXPECT_EQ(map.Label(0x41, 9), "SOUND LIBRARY: CRUNCH 10: ");
    EXPECT_EQ(map.Label(0x11, 3), "Temporary Patch: ");
    for (int code : {0x01, 0x22, 0x91, 0xF1, 0})
        EXPECT_EQ(map.Label(code, 0), "") << code;
}

TEST(AddressMap, SegmentBytesOfAPatch) {
    CConcreteParameterArray<CPatch> area;
    area.Resize(2);
    AsPatch(area.At(1))->SetName("SECOND");
    const CParameterAddress map;
    const Bytes bytes = map.SegmentBytes(0x21, 1, 0, area);
    ASSERT_EQ(bytes.size(), 128u);
    EXPECT_EQ(bytes[97], 'S');
    EXPECT_TRUE(map.SegmentBytes(0x21, 2, 0, area).empty());
    EXPECT_TRUE(map.SegmentBytes(0x21, -1, 0, area).empty());
    EXPECT_TRUE(map.SegmentBytes(0x21, 0, 1, area).empty());
}

} // namespace
