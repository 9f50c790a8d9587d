#pragma once
// Where the preview button of one list row stands: in the strip left of the
// list, from 32 to 12 pixels left of the list's left edge, one pixel inside
// the row at top and bottom. A button is never too small to click: a row
// taller than 13 pixels gets a button at least 14 high, a row 8 to 13 pixels
// high a button 8 high.
#include <QRect>

// listLeft: the list's left edge; row: the row's bounds, both in the
// coordinates of the view that holds the buttons.
QRect PreviewButtonRect(int listLeft, const QRect& row);
