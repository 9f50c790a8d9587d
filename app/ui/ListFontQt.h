#pragma once
// The program's list font as the windows use it.
#include "app/core/FontEx.h"

#include <QColor>
#include <QFont>

class QWidget;

// The font the description names; the application's default font while the
// list font is the system default or was never loaded.
QFont ToQFont(const CFontEx& font);
// The text colour (0x00BBGGRR).
QColor ToQColor(std::uint32_t color);
// Gives a list the font and its text colour.
void ApplyListFont(QWidget& list, const CFontEx& font);
