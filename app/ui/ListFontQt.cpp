#include "app/ui/ListFontQt.h"

#include <QApplication>
#include <QPalette>
#include <QWidget>

#include <cstdlib>

QFont ToQFont(const CFontEx& font) {
    if (!font.loaded || font.systemDefault)
        return QApplication::font();
    const CFontDescription& d = font.description;
    QFont result(QString::fromStdString(d.faceName));
    // A negative height is the character height, a positive one the cell
    // height; both are near enough to Qt's pixel size for a list.
    if (d.height != 0)
        result.setPixelSize(std::abs(d.height));
    if (d.weight > 0)
        result.setWeight(static_cast<QFont::Weight>(d.weight < 100 ? 100 : (d.weight > 900 ? 900 : d.weight)));
    result.setItalic(d.italic != 0);
    result.setUnderline(d.underline != 0);
    result.setStrikeOut(d.strikeOut != 0);
    return result;
}

QColor ToQColor(std::uint32_t color) {
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

void ApplyListFont(QWidget& list, const CFontEx& font) {
    list.setFont(ToQFont(font));
    QPalette palette = list.palette();
    palette.setColor(QPalette::Text, ToQColor(font.color));
    list.setPalette(palette);
}
