#include "toolkit/qt/ResizeDlgRect.h"

#include <QByteArray>
#include <QList>

#include <algorithm>

namespace GP {

bool ParseInts(std::string_view text, int* values, int count) {
    const QList<QByteArray> parts = QByteArray(text.data(), static_cast<qsizetype>(text.size())).split(',');
    if (parts.size() != count)
        return false;
    for (int i = 0; i < count; ++i) {
        bool ok = false;
        values[i] = parts[i].trimmed().toInt(&ok, 10);
        if (!ok)
            return false;
    }
    return true;
}

namespace {

// Stored coordinates beyond this are not a window on any screen; keeping
// them out also keeps QRect's arithmetic from overflowing.
constexpr long long kLimit = 1 << 24;

bool Usable(long long x, long long y, long long width, long long height) {
    return x > -kLimit && x < kLimit && y > -kLimit && y < kLimit && width >= 0 && width < kLimit && height >= 0 &&
           height < kLimit;
}

} // namespace

std::string FormatEdges(const QRect& rect) {
    return std::to_string(rect.left()) + ',' + std::to_string(rect.top()) + ',' +
           std::to_string(rect.x() + rect.width()) + ',' + std::to_string(rect.y() + rect.height());
}

std::optional<QRect> ParseEdges(std::string_view text) {
    int v[4];
    if (!ParseInts(text, v, 4))
        return std::nullopt;
    const long long width = static_cast<long long>(v[2]) - v[0];
    const long long height = static_cast<long long>(v[3]) - v[1];
    if (!Usable(v[0], v[1], width, height))
        return std::nullopt;
    return QRect(v[0], v[1], static_cast<int>(width), static_cast<int>(height));
}

std::string FormatPlacement(const QRect& rect) {
    return std::to_string(rect.x()) + ',' + std::to_string(rect.y()) + ',' + std::to_string(rect.width()) + ',' +
           std::to_string(rect.height());
}

std::optional<QRect> ParsePlacement(std::string_view text) {
    int v[4];
    if (!ParseInts(text, v, 4) || !Usable(v[0], v[1], v[2], v[3]))
        return std::nullopt;
    return QRect(v[0], v[1], v[2], v[3]);
}

std::string FormatSize(const QSize& size) {
    return std::to_string(size.width()) + ',' + std::to_string(size.height());
}

std::optional<QSize> ParseSize(std::string_view text) {
    int v[2];
    if (!ParseInts(text, v, 2) || !Usable(0, 0, v[0], v[1]))
        return std::nullopt;
    return QSize(v[0], v[1]);
}

QRect FitRectToScreen(QRect rect, const QRect& screen, const QSize& minimum) {
    rect.setWidth(std::clamp(rect.width(), 0, screen.width()));
    rect.setHeight(std::clamp(rect.height(), 0, screen.height()));
    // Right and down first, so that a rectangle left of or above the screen
    // comes onto it; then left and up for one beyond its far edges.
    if (rect.left() < screen.left())
        rect.moveLeft(screen.left());
    if (rect.top() < screen.top())
        rect.moveTop(screen.top());
    if (rect.x() + rect.width() > screen.x() + screen.width())
        rect.moveLeft(screen.x() + screen.width() - rect.width());
    if (rect.y() + rect.height() > screen.y() + screen.height())
        rect.moveTop(screen.y() + screen.height() - rect.height());
    rect.setWidth(std::max(rect.width(), minimum.width()));
    rect.setHeight(std::max(rect.height(), minimum.height()));
    return rect;
}

} // namespace GP
