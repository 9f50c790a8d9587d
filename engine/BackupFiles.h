#pragma once
// The folder of backups that writes to the unit leave behind: one librarian
// file per write, named by the date and time of the write and the area it
// overwrote ("2026-03-14_093012_MEMORY.z4l"), so that the names sort from
// oldest to newest. Only the newest are kept.
#include <ctime>
#include <filesystem>

// A name for a backup of area `areaNumber` made at `when` (local time) in
// folder; a name already taken gets "_2", "_3", ... before the extension.
std::filesystem::path NewBackupPath(const std::filesystem::path& folder, int areaNumber, std::time_t when);

// Whether a file name is one NewBackupPath makes.
bool IsBackupFileName(const std::filesystem::path& name);
// The same test, and when it passes, the local time of the write and the
// area the name says; on false both are left as they were.
bool ParseBackupFileName(const std::filesystem::path& name, std::time_t& when, int& areaNumber);

// Deletes the oldest backups of the folder until at most keep are left.
// Files of other names are never touched. The number deleted.
int PruneBackups(const std::filesystem::path& folder, int keep);
