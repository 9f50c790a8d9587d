#include "app/core/FontEx.h"

std::array<int, CFontDescription::kNumberCount> CFontDescription::Numbers() const {
    return {height, width, escapement, orientation, weight, italic, underline,
            strikeOut, charSet, outPrecision, clipPrecision, quality, pitchAndFamily};
}

void CFontDescription::SetNumbers(const std::array<int, kNumberCount>& n) {
    height = n[0];
    width = n[1];
    escapement = n[2];
    orientation = n[3];
    weight = n[4];
    italic = n[5];
    underline = n[6];
    strikeOut = n[7];
    charSet = n[8];
    outPrecision = n[9];
    clipPrecision = n[10];
    quality = n[11];
    pitchAndFamily = n[12];
}

CFontEx& GetListFont() {
    static CFontEx font;
    return font;
}
