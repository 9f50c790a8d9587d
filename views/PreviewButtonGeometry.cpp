#include "views/PreviewButtonGeometry.h"

QRect PreviewButtonRect(int listLeft, const QRect& row) {
    const int rowHeight = row.height();
    int height = rowHeight - 2;
    if (rowHeight > 13 && height < 14)
        height = 14;
    else if (rowHeight >= 8 && rowHeight <= 13)
        height = 8;
    return QRect(listLeft - 32, row.top() + 1, 20, height);
}
