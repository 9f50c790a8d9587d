#pragma once
// The edit commands of a patch list, over the array it shows and the patch
// clipboard. Each takes the indexes of the selected rows in row order; an
// index that names no object (the "End of Line" row) is ignored.
#include <cstddef>
#include <vector>

class CParameterArray;

// Deletes the objects and closes the gaps; the others keep their order.
void DeleteObjects(CParameterArray& array, const std::vector<int>& indexes);
// Makes each object a fresh one.
void InitializeObjects(CParameterArray& array, const std::vector<int>& indexes);
// Empties the clipboard, then puts a copy of each object on it in order.
void CopyObjects(const CParameterArray& array, const std::vector<int>& indexes, CParameterArray& clipboard);
// Inserts copies of every clipboard object before position `at` (clamped to
// the array size), in clipboard order. Returns the number inserted.
int InsertCopies(CParameterArray& array, std::size_t at, const CParameterArray& clipboard);
// Overwrites the k-th listed object with a copy of clipboard object
// k mod (clipboard size), so a short clipboard repeats over a longer
// selection. Nothing happens with an empty clipboard.
void ReplaceObjects(CParameterArray& array, const std::vector<int>& indexes, const CParameterArray& clipboard);
