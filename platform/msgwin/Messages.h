#pragma once
// The message numbers and parameter types of posted window messages, with
// the values the engine's input devices and their pumps rely on.
#include <cstdint>

namespace msgwin {

using UINT = std::uint32_t;
using WPARAM = std::uintptr_t;
using LPARAM = std::intptr_t;
using LRESULT = std::intptr_t;

inline constexpr UINT WM_PAINT = 0x000F;
inline constexpr UINT WM_TIMER = 0x0113;
// The first message number free for a program's own use; MIDI notifications
// of the input devices use WM_USER (short message) and WM_USER + 1 (long data).
inline constexpr UINT WM_USER = 0x0400;
inline constexpr UINT WM_USER_LAST = WM_USER + 255;

} // namespace msgwin
