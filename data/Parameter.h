#pragma once
// A parameter object: what the librarian keeps about one thing stored in the
// unit. It carries the raw device data, as blocks of segments (one segment is
// sent or received as one data set), and four free memo texts that exist only
// in the librarian. The concrete kind fixes the shape of the data.
#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

class CParameter {
public:
    using Segment = std::vector<std::uint8_t>;
    using Block = std::vector<Segment>;
    static constexpr int kMemoCount = 4;

    CParameter() = default;
    CParameter(const CParameter&) = default;
    CParameter& operator=(const CParameter&) = default;
    virtual ~CParameter() = default;

    // Makes the object a fresh one: a copy of the initial data file's first
    // object when that file is loaded, otherwise empty memos and data of the
    // kind's shape (bytes already present keep their values, new bytes are 0).
    virtual void Initialize();
    virtual std::unique_ptr<CParameter> Clone() const = 0;
    // Exact length of the object's file record (the bytes after its length).
    virtual std::size_t GetSerializedSize() const;
    // Sort order for list column `column` (0 number, 1..4 memos): -1, 0 or 1.
    // Equal texts order by index; reverseTies flips that for descending sorts.
    virtual int Compare(int column, const CParameter& other, int thisIndex, int otherIndex, bool reverseTies) const;
    virtual int GetBlockCount() const { return 0; }
    virtual int GetSegmentCount(int /*block*/) const { return 0; }
    virtual int GetSegmentSize(int /*block*/) const { return 0; }
    virtual int GetKind() const { return 0; }

    // Memo number 1..4; any other number reads as an empty text and is not stored.
    const std::string& GetMemo(int number) const;
    // Memos are terminated texts in files, so a memo ends before its first 0 byte.
    void SetMemo(int number, std::string_view text);
    void ClearMemos();

    std::vector<Block>& Blocks() { return blocks_; }
    const std::vector<Block>& Blocks() const { return blocks_; }
    // The segment, or nullptr when the object has no such block or segment.
    Segment* FindSegment(int block, int segment);
    const Segment* FindSegment(int block, int segment) const;

protected:
    // Compares two column texts: equal texts give the index order (tie), else
    // case-insensitive byte order, else plain byte order.
    static int CompareTexts(const std::string& mine, const std::string& theirs, int tie);
    // Empties the memos and brings the data to the kind's shape.
    void ResetToShape();
    // Brings the blocks, segments and segment sizes to the kind's shape,
    // keeping bytes that are already there and adding 0 bytes.
    void ShapeData();

private:
    std::array<std::string, kMemoCount> memos_;
    std::vector<Block> blocks_;
};
