#include "views/RowSort.h"

#include "data/ParameterArray.h"

namespace {

bool ShowsObject(std::intptr_t index, std::size_t size) {
    return index >= 0 && static_cast<std::size_t>(index) < size;
}

} // namespace

RowLess MakeRowLess(const CParameterArray& array, int kind, bool ascending) {
    return [&array, kind, ascending](std::intptr_t x, std::intptr_t y) {
        const std::size_t size = array.Size();
        if (!ShowsObject(x, size))
            return false;
        if (!ShowsObject(y, size))
            return true;
        const int order = array[static_cast<std::size_t>(x)].Compare(kind, array[static_cast<std::size_t>(y)],
                                                                     static_cast<int>(x), static_cast<int>(y), false);
        return ascending ? order < 0 : order > 0;
    };
}

RowLess MakeNumberLess(const CParameterArray& array) {
    return [&array](std::intptr_t x, std::intptr_t y) {
        const std::size_t size = array.Size();
        if (!ShowsObject(x, size))
            return false;
        if (!ShowsObject(y, size))
            return true;
        return x < y;
    };
}
