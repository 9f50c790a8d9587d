#include "views/ParameterEdits.h"

#include "data/ParameterArray.h"

#include <algorithm>
#include <functional>
#include <memory>

namespace {

bool Names(const CParameterArray& array, int index) {
    return index >= 0 && static_cast<std::size_t>(index) < array.Size();
}

} // namespace

void DeleteObjects(CParameterArray& array, const std::vector<int>& indexes) {
    std::vector<int> doomed;
    doomed.reserve(indexes.size());
    for (int index : indexes)
        if (Names(array, index))
            doomed.push_back(index);
    std::sort(doomed.begin(), doomed.end(), std::greater<>());
    doomed.erase(std::unique(doomed.begin(), doomed.end()), doomed.end());
    // Runs of neighbouring indexes go in one step, from the end down, so
    // deleting a whole large list does not move the rest once per object.
    std::size_t k = 0;
    while (k < doomed.size()) {
        std::size_t run = 1;
        while (k + run < doomed.size() && doomed[k + run] == doomed[k + run - 1] - 1)
            ++run;
        array.Remove(static_cast<std::size_t>(doomed[k + run - 1]), run);
        k += run;
    }
}

void InitializeObjects(CParameterArray& array, const std::vector<int>& indexes) {
    for (int index : indexes)
        if (Names(array, index))
            array[static_cast<std::size_t>(index)].Initialize();
}

void CopyObjects(const CParameterArray& array, const std::vector<int>& indexes, CParameterArray& clipboard) {
    clipboard.Resize(0);
    for (int index : indexes)
        if (Names(array, index))
            clipboard.Append(array[static_cast<std::size_t>(index)].Clone());
}

int InsertCopies(CParameterArray& array, std::size_t at, const CParameterArray& clipboard) {
    at = std::min(at, array.Size());
    // Copies first: the clipboard is never the shown array, but copying
    // before inserting keeps this right even if it were.
    std::vector<std::unique_ptr<CParameter>> copies;
    copies.reserve(clipboard.Size());
    for (std::size_t k = 0; k < clipboard.Size(); ++k)
        copies.push_back(clipboard[k].Clone());
    array.Reserve(array.Size() + copies.size());
    for (std::size_t k = 0; k < copies.size(); ++k)
        array.Insert(at + k, std::move(copies[k]));
    return static_cast<int>(copies.size());
}

void ReplaceObjects(CParameterArray& array, const std::vector<int>& indexes, const CParameterArray& clipboard) {
    if (clipboard.Empty())
        return;
    std::size_t k = 0;
    for (int index : indexes) {
        if (!Names(array, index))
            continue;
        const auto position = static_cast<std::size_t>(index);
        std::unique_ptr<CParameter> copy = clipboard[k % clipboard.Size()].Clone();
        array.Remove(position);
        array.Insert(position, std::move(copy));
        ++k;
    }
}
