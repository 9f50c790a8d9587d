#pragma once
// The settings the application shell keeps in section "Option" of the
// profile: the list font, the grid switch and the area shown in the main
// window. They are read once at start-up and written once at exit.
#include "app/core/FontEx.h"

#include <string>
#include <string_view>

class CLibrarianState;
namespace GT {
class IProfile;
}

// "%d,%d,...": the thirteen numbers of the description.
std::string FormatFontAttribute(const CFontDescription& description);
// Reads the numbers of a "FontAttribute" text in order, as far as they are
// there; every number after the first missing or malformed one keeps its
// default (italic, underline, strike-out 0, character set 128, output
// precision 3, clip precision 2, quality 0, pitch and family 49; the size
// and weight numbers 0). The face name stays empty.
CFontDescription ParseFontAttribute(std::string_view text);

// Fills the font from "FontFaceName", "FontAttribute" and "FontColor" unless
// it is already loaded. Without both a face name and attributes it becomes
// the system's default font.
void LoadListFont(GT::IProfile& profile, CFontEx& font);
// Writes the three font entries; a font never loaded writes nothing.
bool SaveListFont(GT::IProfile& profile, const CFontEx& font);

// Start-up: position mode 2, the list font, "GridSw" (default 0) and "Mode"
// (default 1; a stored area outside 1..7 gives MEMORY).
void LoadSettings(GT::IProfile& profile, CLibrarianState& state, CFontEx& font);
// Exit: the font (when loaded), "GridSw" and "Mode". False when a value
// could not be written.
bool SaveSettings(GT::IProfile& profile, const CLibrarianState& state, const CFontEx& font);

// How child windows are placed when they open: 2 once the settings are
// loaded (they use their saved placements), 0 before.
int GetPositionMode();
void SetPositionMode(int mode);
