#pragma once
// The file side of the Standard MIDI File exchange: the spacing of exported
// data sets and reading and writing whole files. Exporting and importing
// patches are the device writer's and reader's (CWriter::ExportSmf,
// AReader::ImportSmf).
#include "data/FileAccess.h"

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <span>
#include <vector>

// Ticks (96 per quarter note at 500000 us) between a message of `length`
// bytes and the next one: its time on the 31250-baud wire, the 20 ms pause a
// device write makes, and one tick to spare. 13 after a 141-byte data set.
std::uint32_t SmfDeltaAfter(std::size_t length);

// Replaces `bytes` with the file's contents. Anything but kRead (bytes
// emptied) when the file cannot be opened or read, is not a regular file, is
// larger than kMaxExchangeFileSize or does not fit in memory.
InputFileStatus ReadSmfFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes);

// Writes the bytes to a temporary file beside path and renames it over path,
// so an existing file is replaced only by a complete new one.
bool WriteSmfFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes);
