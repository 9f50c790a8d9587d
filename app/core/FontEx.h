#pragma once
// The font of the patch lists as the profile keeps it: a face name, the
// thirteen numbers that describe the font and a text colour. The windows turn
// the description into a real font; nothing here knows about windows.
#include <array>
#include <cstdint>
#include <string>

struct CFontDescription {
    int height = 0;
    int width = 0;
    int escapement = 0;
    int orientation = 0;
    int weight = 0;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    int charSet = 128;
    int outPrecision = 3;
    int clipPrecision = 2;
    int quality = 0;
    int pitchAndFamily = 49;
    std::string faceName;

    static constexpr int kNumberCount = 13;
    // The numbers in the order the profile stores them.
    std::array<int, kNumberCount> Numbers() const;
    void SetNumbers(const std::array<int, kNumberCount>& numbers);

    bool operator==(const CFontDescription&) const = default;
};

// A font as the program keeps it: the description (none until loaded) and
// the colour its text is drawn in. The patch lists share one.
struct CFontEx {
    // Set once the font has been loaded (or chosen); until then nothing is
    // saved, and a load fills it.
    bool loaded = false;
    // True when no font was stored: the windows use the system's default user
    // interface font and may replace the description with that font's.
    bool systemDefault = false;
    CFontDescription description;
    std::uint32_t color = 0; // 0x00BBGGRR, 0 = black
};
