#include "app/ui/ViewLayout.h"

#include <QFontMetrics>
#include <QWidget>

#include <algorithm>

CViewLayout::CViewLayout(const QWidget& view)
    : baseX_(std::max(1, view.fontMetrics().averageCharWidth())), baseY_(std::max(1, view.fontMetrics().height())),
      width_(view.width()), height_(view.height()) {}

int CViewLayout::X(int units) const { return units * baseX_ / 4; }
int CViewLayout::Y(int units) const { return units * baseY_ / 8; }

QRect CViewLayout::Rect(int x, int y, int width, int height) const { return QRect(X(x), Y(y), X(width), Y(height)); }

QRect CViewLayout::Stretched(int x, int y, int rightMargin, int bottomMargin) const {
    const int left = X(x);
    const int top = Y(y);
    const int width = std::max(X(10), width_ - left - X(rightMargin));
    const int height = std::max(Y(10), height_ - top - Y(bottomMargin));
    return QRect(left, top, width, height);
}
