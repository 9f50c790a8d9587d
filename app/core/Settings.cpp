#include "app/core/Settings.h"

#include "app/core/LibrarianState.h"
#include "data/ParameterAddress.h"
#include "toolkit/profile/Profile.h"

#include <array>
#include <cctype>
#include <charconv>

namespace {

constexpr const char* kFaceNamePath = "Option/FontFaceName";
constexpr const char* kAttributePath = "Option/FontAttribute";
constexpr const char* kColorPath = "Option/FontColor";
constexpr const char* kGridPath = "Option/GridSw";
constexpr const char* kModePath = "Option/Mode";
constexpr int kPositionModeSaved = 2;

int& PositionMode() {
    static int mode = 0;
    return mode;
}

// One "%d" of a scanf-style format: leading blanks, an optional sign, digits.
bool ReadNumber(std::string_view& text, int& value) {
    std::size_t at = 0;
    while (at < text.size() && std::isspace(static_cast<unsigned char>(text[at])))
        ++at;
    if (at < text.size() && text[at] == '+')
        ++at;
    const char* begin = text.data() + at;
    const char* end = text.data() + text.size();
    const auto [next, error] = std::from_chars(begin, end, value);
    if (error != std::errc())
        return false;
    text.remove_prefix(static_cast<std::size_t>(next - text.data()));
    return true;
}

} // namespace

std::string FormatFontAttribute(const CFontDescription& description) {
    std::string text;
    for (int number : description.Numbers()) {
        if (!text.empty())
            text += ',';
        text += std::to_string(number);
    }
    return text;
}

CFontDescription ParseFontAttribute(std::string_view text) {
    CFontDescription description;
    std::array<int, CFontDescription::kNumberCount> numbers = description.Numbers();
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        if (i > 0) {
            if (text.empty() || text.front() != ',')
                break;
            text.remove_prefix(1);
        }
        if (!ReadNumber(text, numbers[i]))
            break;
    }
    description.SetNumbers(numbers);
    return description;
}

void LoadListFont(GT::IProfile& profile, CFontEx& font) {
    if (font.loaded)
        return;
    const std::string face = profile.GetString(kFaceNamePath, "");
    const std::string attributes = profile.GetString(kAttributePath, "");
    if (!face.empty() && !attributes.empty()) {
        font.description = ParseFontAttribute(attributes);
        font.description.faceName = face;
        font.systemDefault = false;
    } else {
        font.description = CFontDescription();
        font.systemDefault = true;
    }
    font.color = static_cast<std::uint32_t>(profile.GetInt(kColorPath, 0));
    font.loaded = true;
}

bool SaveListFont(GT::IProfile& profile, const CFontEx& font) {
    if (!font.loaded)
        return true;
    bool written = profile.WriteString(kFaceNamePath, font.description.faceName);
    written = profile.WriteString(kAttributePath, FormatFontAttribute(font.description)) && written;
    return profile.WriteInt(kColorPath, static_cast<int>(font.color)) && written;
}

void LoadSettings(GT::IProfile& profile, CLibrarianState& state, CFontEx& font) {
    SetPositionMode(kPositionModeSaved);
    LoadListFont(profile, font);
    state.SetGridSwitch(profile.GetInt(kGridPath, 0));
    const int area = profile.GetInt(kModePath, 1);
    // A hand-edited or foreign value would leave the main window without a
    // list; MEMORY is what a first run shows.
    state.SetArea(area >= 1 && area <= kAreaCount ? area : 1);
}

bool SaveSettings(GT::IProfile& profile, const CLibrarianState& state, const CFontEx& font) {
    bool written = SaveListFont(profile, font);
    written = profile.WriteInt(kGridPath, state.GetGridSwitch()) && written;
    return profile.WriteInt(kModePath, state.GetArea()) && written;
}

int GetPositionMode() { return PositionMode(); }

void SetPositionMode(int mode) { PositionMode() = mode; }
