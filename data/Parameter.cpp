#include "data/Parameter.h"

#include "data/InitialFileDocument.h"

#include <algorithm>
#include <utility>

namespace {

std::string UpperAscii(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z')
            c = static_cast<char>(c - 'a' + 'A');
    return text;
}

int Sign(int value) { return (value > 0) - (value < 0); }

} // namespace

void CParameter::Initialize() {
    CInitialFileDocument& initial = CInitialFileDocument::Instance();
    if (initial.IsLoaded()) {
        if (const CParameter* source = initial.GetInitialObject(GetKind())) {
            *this = *source;
            return;
        }
    }
    ResetToShape();
}

void CParameter::ResetToShape() {
    ClearMemos();
    ShapeData();
}

void CParameter::ShapeData() {
    const int blockCount = std::max(GetBlockCount(), 0);
    blocks_.resize(static_cast<std::size_t>(blockCount));
    for (int b = 0; b < blockCount; ++b) {
        Block& block = blocks_[static_cast<std::size_t>(b)];
        block.resize(static_cast<std::size_t>(std::max(GetSegmentCount(b), 0)));
        for (Segment& segment : block)
            segment.resize(static_cast<std::size_t>(std::max(GetSegmentSize(b), 0)), 0);
    }
}

std::size_t CParameter::GetSerializedSize() const {
    std::size_t size = kMemoCount; // the memos' terminating 0 bytes
    for (const std::string& memo : memos_)
        size += memo.size();
    // Each block stored has its segment count, each segment its length.
    const auto blockCount = static_cast<std::size_t>(std::max(GetBlockCount(), 0));
    size += 4 * blockCount;
    for (std::size_t b = 0; b < blockCount && b < blocks_.size(); ++b)
        for (const Segment& segment : blocks_[b])
            size += segment.size() + 4;
    return size;
}

int CParameter::Compare(int column, const CParameter& other, int thisIndex, int otherIndex, bool reverseTies) const {
    const int order = Sign(thisIndex - otherIndex);
    if (column == 0)
        return order;
    const int tie = reverseTies ? -order : order;
    return CompareTexts(GetMemo(column), other.GetMemo(column), tie);
}

int CParameter::CompareTexts(const std::string& mine, const std::string& theirs, int tie) {
    if (mine == theirs)
        return tie;
    // std::string compares bytes as unsigned, a shorter common prefix first.
    const int folded = UpperAscii(mine).compare(UpperAscii(theirs));
    if (folded != 0)
        return Sign(folded);
    return mine.compare(theirs) < 0 ? -1 : 1;
}

const std::string& CParameter::GetMemo(int number) const {
    static const std::string empty;
    if (number < 1 || number > kMemoCount)
        return empty;
    return memos_[static_cast<std::size_t>(number - 1)];
}

void CParameter::SetMemo(int number, std::string_view text) {
    if (number < 1 || number > kMemoCount)
        return;
    memos_[static_cast<std::size_t>(number - 1)].assign(text.substr(0, text.find('\0')));
}

void CParameter::ClearMemos() {
    for (std::string& memo : memos_)
        memo.clear();
}

CParameter::Segment* CParameter::FindSegment(int block, int segment) {
    return const_cast<Segment*>(std::as_const(*this).FindSegment(block, segment));
}

const CParameter::Segment* CParameter::FindSegment(int block, int segment) const {
    if (block < 0 || static_cast<std::size_t>(block) >= blocks_.size())
        return nullptr;
    const Block& b = blocks_[static_cast<std::size_t>(block)];
    if (segment < 0 || static_cast<std::size_t>(segment) >= b.size())
        return nullptr;
    return &b[static_cast<std::size_t>(segment)];
}
