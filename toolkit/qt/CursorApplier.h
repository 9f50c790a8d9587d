#pragma once
// Shows the cursor stack's cursor in the windowed program: the top request's
// cursor as the application's override cursor, none when the stack is empty.
#include "toolkit/core/Cursor.h"

#include <Qt>

namespace UL {

// Kinds 0..3 are the arrow, wait, I-beam and cross cursors; the program has
// no cursors of its own, so higher kinds show the arrow.
Qt::CursorShape CursorShapeOf(int kind);

class CCursorApplier {
public:
    void operator()(int kind);

private:
    bool overriding_ = false;
};

// Makes the cursor stack show its cursors through Qt.
void InstallCursorApplier(CCursor& cursor = GetCursor());

} // namespace UL
