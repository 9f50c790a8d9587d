#include "views/PatchDrop.h"

#include "toolkit/core/CodePage.h"

#include <QMimeData>

#include <span>
#include <string>

std::unique_ptr<QMimeData> MakePatchMimeData(const CParameterArray& array, const std::vector<int>& indexes,
                                             const CPatchDragOrigin& origin) {
    std::vector<std::uint8_t> bytes;
    if (!EncodePatchDrag(array, indexes, origin, bytes))
        return nullptr;
    auto data = std::make_unique<QMimeData>();
    data->setData(QString::fromLatin1(kPatchMimeType),
                  QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size())));
    return data;
}

bool HasPatchMimeData(const QMimeData& data) { return data.hasFormat(QString::fromLatin1(kPatchMimeType)); }

bool ReadPatchMimeData(const QMimeData& data, CParameterArray& patches, CPatchDragOrigin& origin) {
    const QByteArray bytes = data.data(QString::fromLatin1(kPatchMimeType));
    return DecodePatchDrag(
        std::span(reinterpret_cast<const std::uint8_t*>(bytes.constData()), static_cast<std::size_t>(bytes.size())),
        patches, origin);
}

bool ConvertMemoCodePage(CParameterArray& patches, int from, int to) {
    if (from == to)
        return true;
    // Everything is converted before anything is stored, so a memo that
    // cannot be converted leaves every patch as it was.
    std::vector<std::string> converted;
    converted.reserve(patches.Size() * CParameter::kMemoCount);
    for (std::size_t i = 0; i < patches.Size(); ++i) {
        for (int m = 1; m <= CParameter::kMemoCount; ++m) {
            const std::string& memo = patches[i].GetMemo(m);
            std::string utf8;
            std::string bytes;
            if (!memo.empty() && (!UL::CodePageToUtf8(memo, from, utf8) || !UL::Utf8ToCodePage(utf8, to, bytes)))
                return false;
            converted.push_back(std::move(bytes));
        }
    }
    std::size_t k = 0;
    for (std::size_t i = 0; i < patches.Size(); ++i)
        for (int m = 1; m <= CParameter::kMemoCount; ++m)
            patches[i].SetMemo(m, converted[k++]);
    return true;
}
