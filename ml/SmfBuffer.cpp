#include "ml/SmfBuffer.h"

#include <algorithm>

namespace ML {

std::size_t CSmfBufferReader::Read(std::span<std::uint8_t> out, std::size_t position) {
    if (position >= file_.size())
        return 0;
    const std::size_t count = std::min(out.size(), file_.size() - position);
    std::copy_n(file_.begin() + static_cast<std::ptrdiff_t>(position), count, out.begin());
    return count;
}

std::size_t CSmfBufferWriter::WriteAt(std::size_t position, std::span<const std::uint8_t> bytes) {
    if (position > bytes_.max_size() || bytes.size() > bytes_.max_size() - position)
        return 0;
    if (bytes_.size() < position + bytes.size())
        bytes_.resize(position + bytes.size());
    std::copy(bytes.begin(), bytes.end(), bytes_.begin() + static_cast<std::ptrdiff_t>(position));
    return bytes.size();
}

} // namespace ML
