#pragma once
// What a column of the edit list is and how it is edited: alignment, editor
// kind, numeric type and radix, range, stepping and number format, and the
// entries of a drop-down list.
#include <QString>

#include <vector>

namespace GP {

struct SELVColumn {
    // Alignment (also the editor's): 0 left, 1 right, 2 centre.
    static constexpr int kAlignMask = 0x0003;
    static constexpr int kAlignLeft = 0x0000;
    static constexpr int kAlignRight = 0x0001;
    static constexpr int kAlignCenter = 0x0002;
    // Editor kind.
    static constexpr int kEditorMask = 0x0070;
    static constexpr int kEditorText = 0x0010;
    static constexpr int kEditorDropDown = 0x0020;
    static constexpr int kEditorSpin = 0x0040;
    // Numeric value type: integer, or real (0 or 0x200).
    static constexpr int kTypeMask = 0x0300;
    static constexpr int kTypeInteger = 0x0100;
    static constexpr int kTypeReal = 0x0200;
    // Numeric radix: decimal (0 or 0x1000) or signed hexadecimal.
    static constexpr int kRadixMask = 0x3000;
    static constexpr int kRadixDecimal = 0x1000;
    static constexpr int kRadixHex = 0x2000;
    // The column can become the current column and be edited.
    static constexpr int kEditable = 0x10000;
    // Text editor: only printable ASCII (0x20..0x7E) can be typed.
    static constexpr int kTextAscii = 0x20000;

    // Real number format flags.
    static constexpr int kFormatDropZeros = 0x1;    // drop trailing zeros
    static constexpr int kFormatIntegral = 0x2;     // integral values without decimals
    static constexpr int kFormatKeepOneDigit = 0x4; // ... but keep one digit after the point

    int flags = 0;
    double min = 0.0;
    double max = 0.0;
    int stepExponent = 0; // initial stepped digit: the step is radix^stepExponent
    int decimals = 0;
    int formatFlags = 0;
    // Drop-down columns: the display text of each entry.
    std::vector<QString> items;
    // Text editor: the most characters it takes (0: any number); it shows
    // how many are left while the user types.
    int maxLength = 0;

    int Alignment() const { return flags & kAlignMask; }
    int Editor() const { return flags & kEditorMask; }
    bool IsEditable() const { return (flags & kEditable) != 0; }
    bool IsAsciiText() const { return (flags & kTextAscii) != 0; }
    bool IsNumeric() const { return Editor() == kEditorSpin; }
    bool IsInteger() const { return (flags & kTypeMask) == kTypeInteger; }
    int Radix() const { return (flags & kRadixMask) == kRadixHex ? 16 : 10; }
};

// The Qt alignment of the alignment bits (SELVColumn::kAlign*).
inline Qt::Alignment ToQtAlignment(int alignment) {
    switch (alignment & SELVColumn::kAlignMask) {
    case SELVColumn::kAlignRight:
        return Qt::AlignRight | Qt::AlignVCenter;
    case SELVColumn::kAlignCenter:
        return Qt::AlignHCenter | Qt::AlignVCenter;
    default:
        return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

} // namespace GP
