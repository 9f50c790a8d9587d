#pragma once
// The order of a patch list's rows. Each row carries the index of its object
// in the array ("item data"); a list ending with an "End of Line" row carries
// the array size for that row. Rows that show no object compare equal to
// every row and are kept after all others.
#include <cstdint>
#include <functional>

class CParameterArray;

using RowLess = std::function<bool(std::intptr_t, std::intptr_t)>;

// Orders by column kind `kind` of the objects (their Compare: equal texts by
// index), reversed when ascending is false, so that ties follow the direction
// of the sort.
RowLess MakeRowLess(const CParameterArray& array, int kind, bool ascending);
// Index order.
RowLess MakeNumberLess(const CParameterArray& array);
