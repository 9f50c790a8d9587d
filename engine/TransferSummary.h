#pragma once
// The lines the status bar shows after a transfer, an export or a save:
// "60 patches written to MEMORY and verified; backup
// 2026-12-08_101500_MEMORY.z4l", "MEMORY 4 sent to the temporary patch",
// "Write All cancelled". Texts of the message table, in the language shown.
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

// "1 patch", "60 patches".
std::string PatchCountText(std::size_t count);
// Where patches of an area are: the area's name when the indexes are the
// whole area ("MEMORY"), else the patches ("MEMORY 2, 5, 9", "MEMORY 1–8").
std::string PatchPlaceText(int area, const std::vector<int>& indexes);

std::string ReadSummary(int area, const std::vector<int>& indexes);
// The read of every area at start-up: count patches read, and the areas
// (numbers) that could not be read.
std::string StartUpReadSummary(std::size_t count, const std::vector<int>& failedAreas);
// backupName: the backup file's name, empty without one; verified: the
// patches were read back and matched.
std::string WriteSummary(int area, const std::vector<int>& indexes, bool verified, std::string_view backupName);
// patch: "MEMORY 4", "bank.z4l 12".
std::string PreviewSummary(std::string_view patch);
// count patches exported or saved to the file of this name.
std::string SavedSummary(std::size_t count, std::string_view fileName);
// operation: the command's name as the menus show it ("Write All").
std::string FailedSummary(std::string_view operation);
std::string CancelledSummary(std::string_view operation);
