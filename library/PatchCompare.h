#pragma once
// How two patches differ, as the history, diff and duplicate lists tell it:
// the sound is data bytes 0 to 95, the name bytes 96 to 127, and the memos
// exist only in the librarian.
#include "data/ParameterArray.h"
#include "data/Patch.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

constexpr std::size_t kSoundSize = 96;

enum class EPatchDifference : int { kSame = 0, kName, kSound, kNameSound, kMemo };

// Data first: two patches that differ in name or sound are reported so even
// when their memos differ too; kMemo only when the data bytes are equal.
EPatchDifference ComparePatches(const CPatch& a, const CPatch& b);
// "", "name", "sound", "name+sound", "memo".
std::string DifferenceText(EPatchDifference difference);

// The patch's data bytes (empty for a patch without its data segment).
std::span<const std::uint8_t> PatchDataBytes(const CPatch& patch);
// Bytes 0 to 95 (fewer when the data is shorter).
std::span<const std::uint8_t> SoundBytes(const CPatch& patch);

// Groups of at least two indexes of the array whose patches have the same
// sound, whatever their names; groups in the order of their first index,
// indexes ascending within a group.
std::vector<std::vector<int>> SoundDuplicateGroups(const CParameterArray& patches);
