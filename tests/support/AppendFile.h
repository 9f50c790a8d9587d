#pragma once
// Glues one file's bytes to the end of another, for the tests that need a
// file holding what two exports wrote.
#include <filesystem>
#include <fstream>
#include <iterator>

namespace test {

// False when either file cannot be opened or the bytes could not be written.
inline bool AppendFile(const std::filesystem::path& to, const std::filesystem::path& from) {
    std::ifstream in(from, std::ios::binary);
    std::ofstream out(to, std::ios::binary | std::ios::app);
    if (!in || !out)
        return false;
    out << in.rdbuf();
    return static_cast<bool>(out.flush());
}

} // namespace test
