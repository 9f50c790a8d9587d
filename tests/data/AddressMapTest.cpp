// The unit's address map: address bytes, area table, patch addresses, labels.
#include "data/ParameterAddress.h"
#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <gtest/gtest.h>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(AddressBytes, ConvertSevenBitGroupsFirstByteHighest) {
    EXPECT_EQ(AddressFromBytes(Bytes{0x7F, 0x00, 0x01, 0x00}), 0x0FE00080u);
    EXPECT_EQ(AddressToBytes(0x0FFFC000, 4), (Bytes{0x7F, 0x7F, 0x00, 0x00}));
    EXPECT_EQ(AddressToBytes(0x0FE00080, 3), (Bytes{0x00, 0x01, 0x00}));
    EXPECT_EQ(AddressToBytes(0xFFFFFFFF, 4), (Bytes{0x7F, 0x7F, 0x7F, 0x7F}));
}

// Every area: number, code, name, patch count and where its patches lie.
// The bank bases do not follow the area numbers.
TEST(AddressMap, AreaTable) {
    struct Row {
        int number, code;
        const char* name;
        std::uint8_t bank;
        int patches;
    };
    const Row rows[] = {
        {1, 0x21, "MEMORY", 0, 60},
        {2, 0x31, "SOUND LIBRARY: CLEAN", 1, 10},
        {3, 0x41, "SOUND LIBRARY: CRUNCH", 4, 10},
        {4, 0x51, "SOUND LIBRARY: DRIVE", 2, 10},
        {5, 0x61, "SOUND LIBRARY: HEAVY", 5, 10},
        {6, 0x71, "SOUND LIBRARY: LEAD", 3, 10},
        {7, 0x81, "SOUND LIBRARY: EXTREME", 6, 10},
    };
    const CParameterAddress map;
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        EXPECT_EQ(map.AreaCodeFromNumber(row.number), row.code);
        EXPECT_EQ(map.AreaNumberFromCode(row.code), row.number);
        EXPECT_EQ(map.AreaName(row.number), row.name);
        EXPECT_EQ(map.PatchCount(row.number), row.patches);
        for (int i : {0, row.patches - 1}) {
            const DeviceAddress address = map.PatchAddress(row.code, i);
            EXPECT_EQ(AddressToBytes(address, 4), (Bytes{0x7F, row.bank, static_cast<std::uint8_t>(i), 0}));
            EXPECT_EQ(map.AreaCodeFromAddress(address), row.code);
            EXPECT_EQ(map.IndexFromAddress(address, row.code), i);
        }
        EXPECT_EQ(map.SegmentSizeFor(row.code, map.BlockCodeFor(row.code)), 128);
    }
}

TEST(AddressMap, EdgesOfTheAreasAndTheTemporaryPatch) {
    const CParameterAddress map;
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FE0BFFF), 0x51); // last address of DRIVE
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FE1C000), 0);    // just past EXTREME
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FDFFFFF), 0);    // just below MEMORY
    EXPECT_EQ(map.AreaCodeFromAddress(0x0FFFC000), 0);    // the temporary patch
    EXPECT_EQ(map.PatchAddress(0x11, 42), 0x0FFFC000u);   // whatever the index
    EXPECT_EQ(map.IndexFromAddress(0x0FE01D80, 0x21), 59);
    EXPECT_EQ(map.IndexFromAddress(0x0FE00000, 0x22), -1);
    EXPECT_EQ(map.PatchCount(0), 60);
    EXPECT_EQ(map.AreaNumberFromCode(0x11), 1);
    EXPECT_EQ(map.SegmentIndexFor(0x22), -1);
}

TEST(AddressMap, Labels) {
    const CParameterAddress map;
    EXPECT_EQ(map.Label(0x21, 0), "MEMORY  1: ");
    EXPECT_EQ(map.Label(0x41, 9), "SOUND LIBRARY: CRUNCH 10: ");
    EXPECT_EQ(map.Label(0x11, 3), "Temporary Patch: ");
    for (int code : {0x01, 0x22, 0x91})
        EXPECT_EQ(map.Label(code, 0), "") << code;
}

TEST(AddressMap, SegmentBytesOfMissingPatchesAreEmpty) {
    CConcreteParameterArray<CPatch> area;
    area.Resize(2);
    const CParameterAddress map;
    EXPECT_EQ(map.SegmentBytes(0x21, 1, 0, area).size(), 128u);
    EXPECT_TRUE(map.SegmentBytes(0x21, 2, 0, area).empty());
    EXPECT_TRUE(map.SegmentBytes(0x21, -1, 0, area).empty());
}

} // namespace
