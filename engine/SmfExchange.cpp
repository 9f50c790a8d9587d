#include "engine/SmfExchange.h"

#include "data/AtomicFileWriter.h"

std::uint32_t SmfDeltaAfter(std::size_t length) {
    // Lengths come from messages held in memory; the cap only keeps the
    // arithmetic in range for a nonsense length.
    const std::uint64_t bytes = length > 0x00FFFFFF ? 0x00FFFFFF : length;
    return static_cast<std::uint32_t>((bytes * 192 + 12000) / 3125 + 1);
}

InputFileStatus ReadSmfFile(const std::filesystem::path& path, std::vector<std::uint8_t>& bytes) {
    return ReadInputFile(path, kMaxExchangeFileSize, bytes);
}

bool WriteSmfFile(const std::filesystem::path& path, std::span<const std::uint8_t> bytes) {
    CAtomicFileWriter file(path);
    return file.Open() && file.Write(bytes) && file.Commit();
}
