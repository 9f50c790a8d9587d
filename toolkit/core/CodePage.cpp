#include "toolkit/core/CodePage.h"

#include <iconv.h>

#include <algorithm>
#include <cerrno>
#include <memory>

namespace UL {
namespace {

const char* IconvName(int codePage) {
    switch (codePage) {
    case kCodePageEnglish:
        return "CP1252";
    case kCodePageJapanese:
        return "CP932";
    default:
        return nullptr;
    }
}

struct IconvCloser {
    void operator()(void* cd) const { iconv_close(static_cast<iconv_t>(cd)); }
};
using IconvHandle = std::unique_ptr<void, IconvCloser>;

IconvHandle Open(const char* to, const char* from) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1))
        return nullptr;
    return IconvHandle(cd);
}

// Length of the UTF-8 sequence starting with lead, 1 for a stray byte.
std::size_t Utf8Length(unsigned char lead) {
    if (lead >= 0xF0)
        return 4;
    if (lead >= 0xE0)
        return 3;
    if (lead >= 0xC0)
        return 2;
    return 1;
}

enum class Step { kDone, kBadInput, kFailed };

// Converts in until done or until a sequence cannot be converted; output is
// appended to out, in is left at the bad sequence.
Step Convert(iconv_t cd, const char*& in, std::size_t& inLeft, std::string& out) {
    char buffer[256];
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t r = iconv(cd, const_cast<char**>(&in), &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (r != static_cast<std::size_t>(-1))
            continue;
        if (errno == E2BIG)
            continue;
        if (errno == EILSEQ || errno == EINVAL)
            return Step::kBadInput;
        return Step::kFailed;
    }
    return Step::kDone;
}

} // namespace

bool CodePageToUtf8(std::string_view bytes, int codePage, std::string& utf8) {
    const char* name = IconvName(codePage);
    IconvHandle cd = name ? Open("UTF-8", name) : nullptr;
    if (!cd)
        return false;
    std::string out;
    const char* in = bytes.data();
    std::size_t inLeft = bytes.size();
    bool clean = true;
    for (;;) {
        const Step step = Convert(static_cast<iconv_t>(cd.get()), in, inLeft, out);
        if (step == Step::kDone)
            break;
        if (step == Step::kFailed)
            return false;
        // Skip the byte that is not a character of the code page.
        clean = false;
        out += "\xEF\xBF\xBD";
        ++in;
        --inLeft;
        iconv(static_cast<iconv_t>(cd.get()), nullptr, nullptr, nullptr, nullptr);
    }
    utf8 = std::move(out);
    return clean;
}

bool Utf8ToCodePage(std::string_view utf8, int codePage, std::string& out, std::string* refused) {
    const char* name = IconvName(codePage);
    IconvHandle cd = name ? Open(name, "UTF-8") : nullptr;
    if (!cd)
        return false;
    std::string converted;
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    if (Convert(static_cast<iconv_t>(cd.get()), in, inLeft, converted) != Step::kDone) {
        if (refused) {
            const std::size_t length = inLeft == 0 ? 0 : std::min(inLeft, Utf8Length(static_cast<unsigned char>(*in)));
            refused->assign(in, length);
        }
        return false;
    }
    out = std::move(converted);
    return true;
}

} // namespace UL
