#pragma once
// Remembered window rectangles: the "%d,%d,%d,%d" texts the profile keeps
// and the fitting of a stored rectangle onto the screen.
#include <QRect>
#include <QSize>

#include <optional>
#include <string>
#include <string_view>

namespace GP {

// The parsers give nothing for a text that is not exactly the numbers asked
// for, for a negative width or height, or for coordinates no screen has.

// "left,top,right,bottom" (right and bottom just outside the rectangle).
std::string FormatEdges(const QRect& rect);
std::optional<QRect> ParseEdges(std::string_view text);

// "x,y,width,height".
std::string FormatPlacement(const QRect& rect);
std::optional<QRect> ParsePlacement(std::string_view text);

// "width,height".
std::string FormatSize(const QSize& size);
std::optional<QSize> ParseSize(std::string_view text);

// Up to count decimal integers separated by commas; nothing unless there are
// exactly count of them.
bool ParseInts(std::string_view text, int* values, int count);

// A stored rectangle made usable: shrunk to the screen if larger, moved onto
// it (right and down first, then left and up), then enlarged to the minimum
// size where smaller.
QRect FitRectToScreen(QRect rect, const QRect& screen, const QSize& minimum);

} // namespace GP
