#include "cli/CliText.h"

#include <iconv.h>

#include <cerrno>
#include <vector>

namespace cli {
namespace {

std::string ConvertToUtf8(std::string_view bytes, const char* codePage) {
    iconv_t cd = iconv_open("UTF-8", codePage);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return std::string(bytes);
    std::string out;
    std::vector<char> buffer(bytes.size() * 4 + 16);
    std::string in(bytes);
    char* inPtr = in.data();
    size_t inLeft = in.size();
    while (inLeft > 0) {
        char* outPtr = buffer.data();
        size_t outLeft = buffer.size();
        size_t rc = iconv(cd, &inPtr, &inLeft, &outPtr, &outLeft);
        out.append(buffer.data(), buffer.size() - outLeft);
        if (rc == static_cast<size_t>(-1) && errno != E2BIG) {
            // An invalid or incomplete sequence: show it as '?' and go on.
            out.push_back('?');
            ++inPtr;
            --inLeft;
        }
    }
    iconv_close(cd);
    return out;
}

} // namespace

std::string MemoForTerminal(std::string_view memo, const char* codePage) {
    std::string text = ConvertToUtf8(memo, codePage);
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
    return text;
}

} // namespace cli
