#include "data/Patch.h"

#include "data/InitialFileDocument.h"

void CPatch::Initialize() {
    CParameter::Initialize();
    if (CInitialFileDocument::Instance().IsLoaded())
        return;
    SetName("INIT PATCH");
}

std::unique_ptr<CParameter> CPatch::Clone() const { return std::make_unique<CPatch>(*this); }

int CPatch::Compare(int column, const CParameter& other, int thisIndex, int otherIndex, bool reverseTies) const {
    if (column != 5)
        return CParameter::Compare(column, other, thisIndex, otherIndex, reverseTies);
    const int order = (thisIndex > otherIndex) - (thisIndex < otherIndex);
    const int tie = reverseTies ? -order : order;
    const CPatch* otherPatch = AsPatch(&other);
    return CompareTexts(GetName(), otherPatch ? otherPatch->GetName() : std::string(), tie);
}

std::string CPatch::GetName() const {
    std::string name;
    const std::uint8_t* data = Data();
    if (!data)
        return name;
    for (int k = 0; k < kNameLength; ++k) {
        const std::uint8_t c = data[kNameOffset + 1 + 2 * k];
        if (c == 0)
            break;
        name.push_back(static_cast<char>(c));
    }
    return name;
}

void CPatch::SetName(std::string_view text) {
    std::uint8_t* data = Data();
    if (!data) {
        ShapeData();
        data = Data();
    }
    for (int k = 0; k < kNameLength; ++k) {
        std::uint8_t c = 0;
        if (static_cast<std::size_t>(k) < text.size()) {
            const auto signedChar = static_cast<signed char>(text[static_cast<std::size_t>(k)]);
            c = signedChar < 0x20 ? 0x20 : static_cast<std::uint8_t>(signedChar);
        }
        data[kNameOffset + 2 * k] = 0;
        data[kNameOffset + 1 + 2 * k] = c;
    }
}

std::uint8_t* CPatch::Data() {
    Segment* segment = FindSegment(0, 0);
    return segment && segment->size() >= kDataSize ? segment->data() : nullptr;
}

const std::uint8_t* CPatch::Data() const {
    const Segment* segment = FindSegment(0, 0);
    return segment && segment->size() >= kDataSize ? segment->data() : nullptr;
}
