#include "ml/Message.h"

namespace ML {

void AppendHex(std::string& text, std::uint8_t byte, const char* suffix) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    text += kDigits[byte >> 4];
    text += kDigits[byte & 0x0F];
    text += suffix;
}

} // namespace ML
