// The bytes dragged patches travel in: what goes in comes out, in the order
// dragged, and anything malformed is refused without touching the result.
#include "data/BigEndian.h"
#include "data/Patch.h"
#include "data/PatchDragData.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

CConcreteParameterArray<CPatch> NamedPatches(int count) {
    CConcreteParameterArray<CPatch> patches;
    patches.Resize(static_cast<std::size_t>(count));
    for (int k = 0; k < count; ++k)
        AsPatch(&patches[static_cast<std::size_t>(k)])->SetName("PATCH " + std::to_string(k));
    return patches;
}

std::string NameAt(const CParameterArray& array, std::size_t k) { return AsPatch(&array[k])->GetName(); }

TEST(PatchDragData, CarriesTheChosenPatchesInDragOrderWithTheirMemosAndOrigin) {
    CConcreteParameterArray<CPatch> source = NamedPatches(6);
    source[4].SetMemo(2, "second memo");
    source[1].SetMemo(4, std::string("\x82\xa0", 2));
    Bytes bytes;
    ASSERT_TRUE(EncodePatchDrag(source, {4, 1, 5}, CPatchDragOrigin{3, 932}, bytes));
    // Tag, area, code page, count, then three length-prefixed records.
    ASSERT_GE(bytes.size(), 28u);
    EXPECT_EQ(std::memcmp(bytes.data(), "ZM47-PATCHES-001", 16), 0);
    EXPECT_EQ(LoadU32(std::span(bytes).subspan(16)), 3u);
    EXPECT_EQ(LoadU32(std::span(bytes).subspan(20)), 932u);
    EXPECT_EQ(LoadU32(std::span(bytes).subspan(24)), 3u);

    CConcreteParameterArray<CPatch> read;
    CPatchDragOrigin origin;
    ASSERT_TRUE(DecodePatchDrag(bytes, read, origin));
    EXPECT_EQ(origin.area, 3);
    EXPECT_EQ(origin.codePage, 932);
    ASSERT_EQ(read.Size(), 3u);
    EXPECT_EQ(NameAt(read, 0), "PATCH 4");
    EXPECT_EQ(NameAt(read, 1), "PATCH 1");
    EXPECT_EQ(NameAt(read, 2), "PATCH 5");
    EXPECT_EQ(read[0].GetMemo(2), "second memo");
    EXPECT_EQ(read[1].GetMemo(4), std::string("\x82\xa0", 2));
    EXPECT_EQ(read[0].Blocks(), source[4].Blocks());
}

TEST(PatchDragData, NothingIsEncodedForNoPatchesOrAMissingOne) {
    CConcreteParameterArray<CPatch> source = NamedPatches(2);
    Bytes bytes{1, 2, 3};
    EXPECT_FALSE(EncodePatchDrag(source, {}, CPatchDragOrigin{}, bytes));
    EXPECT_FALSE(EncodePatchDrag(source, {0, 2}, CPatchDragOrigin{}, bytes));
    EXPECT_FALSE(EncodePatchDrag(source, {-1}, CPatchDragOrigin{}, bytes));
    EXPECT_FALSE(EncodePatchDrag(source, {0}, CPatchDragOrigin{8, 1252}, bytes));
    EXPECT_EQ(bytes, (Bytes{1, 2, 3}));
}

TEST(PatchDragData, MalformedBytesAreRefusedAndLeaveTheResultAlone) {
    CConcreteParameterArray<CPatch> source = NamedPatches(2);
    Bytes good;
    ASSERT_TRUE(EncodePatchDrag(source, {0, 1}, CPatchDragOrigin{0, 1252}, good));

    const auto refused = [](const Bytes& bytes) {
        CConcreteParameterArray<CPatch> read = NamedPatches(1);
        CPatchDragOrigin origin{5, 77};
        const bool ok = DecodePatchDrag(bytes, read, origin);
        EXPECT_EQ(read.Size(), 1u);
        EXPECT_EQ(NameAt(read, 0), "PATCH 0");
        EXPECT_EQ(origin.area, 5);
        EXPECT_EQ(origin.codePage, 77);
        return !ok;
    };
    const auto withU32 = [&good](std::size_t offset, std::uint32_t value) {
        Bytes bytes = good;
        Bytes field;
        AppendU32(field, value);
        std::copy(field.begin(), field.end(), bytes.begin() + static_cast<std::ptrdiff_t>(offset));
        return bytes;
    };

    EXPECT_TRUE(refused(Bytes(good.begin(), good.begin() + 27))); // header cut short
    EXPECT_TRUE(refused(Bytes(good.begin(), good.end() - 1)));    // last record cut short
    Bytes trailing = good;
    trailing.push_back(0);
    EXPECT_TRUE(refused(trailing));
    Bytes otherTag = good;
    otherTag[15] = '2';
    EXPECT_TRUE(refused(otherTag));
    EXPECT_TRUE(refused(withU32(16, 8)));          // no such area
    EXPECT_TRUE(refused(withU32(24, 0)));          // no patches
    EXPECT_TRUE(refused(withU32(24, 3)));          // one record missing
    EXPECT_TRUE(refused(withU32(24, 0xFFFFFFFF))); // a count the bytes cannot hold
    EXPECT_TRUE(refused(withU32(28, 0xFFFFFFF0))); // a record length past the end
    EXPECT_TRUE(refused(withU32(28, 4)));          // a record too short for a patch
    EXPECT_TRUE(refused({}));
}

} // namespace
