#pragma once
// The in-memory ends of the SMF chunk layer: a reader over bytes held by the
// caller, and a writer that collects the file in a growing byte buffer.
#include "ml/SmfReader.h"
#include "ml/SmfWriter.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace ML {

// Reads from bytes that the caller keeps alive while parsing.
class CSmfBufferReader : public CSmfReader {
public:
    explicit CSmfBufferReader(std::span<const std::uint8_t> file) : file_(file) {}

    // Copies at most the bytes left from position; nothing at or past the end.
    std::size_t Read(std::span<std::uint8_t> out, std::size_t position) override;

private:
    std::span<const std::uint8_t> file_;
};

// Collects the file; the buffer grows to position + length as needed.
class CSmfBufferWriter : public CSmfWriter {
public:
    std::size_t WriteAt(std::size_t position, std::span<const std::uint8_t> bytes) override;

    const std::vector<std::uint8_t>& GetBytes() const { return bytes_; }
    void Clear() { bytes_.clear(); }

private:
    std::vector<std::uint8_t> bytes_;
};

} // namespace ML
