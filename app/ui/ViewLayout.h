#pragma once
// Places a view's controls from their rectangles in dialog units, which
// follow the view's font: a quarter of the average character width across,
// an eighth of the character height down.
#include <QRect>

class QWidget;

class CViewLayout {
public:
    explicit CViewLayout(const QWidget& view);

    QRect Rect(int x, int y, int width, int height) const;
    // From (x, y) to the view's right and bottom edges less the margins.
    QRect Stretched(int x, int y, int rightMargin, int bottomMargin) const;

    int X(int units) const;
    int Y(int units) const;

private:
    int baseX_;
    int baseY_;
    int width_;
    int height_;
};
