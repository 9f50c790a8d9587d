#pragma once
// The columns of an edit list: their headers, descriptors and default widths,
// which one is current, and the widths as the profile keeps them. It holds no
// widget; the list applies the widths to its header.
#include "toolkit/qt/SELVColumn.h"

#include <QString>

#include <string>
#include <string_view>
#include <vector>

namespace GT {
class IProfile;
}

namespace GP {

class CEditListColumns {
public:
    // Widths above this in the profile are taken as damage, not as a choice.
    static constexpr int kMaxStoredWidth = 10000;

    int Count() const { return static_cast<int>(columns_.size()); }
    // Inserts at index clamped to the columns there are and returns it; the
    // current column keeps pointing at the same column.
    int Insert(int index, const QString& header, const SELVColumn& column, int defaultWidth);
    bool Remove(int index);

    const SELVColumn* Descriptor(int index) const;
    int Flags(int index) const;
    QString Header(int index) const;
    int DefaultWidth(int index) const;
    // False (and nothing changes) for no such column or a negative width.
    bool SetDefaultWidth(int index, int width);

    int Current() const { return current_; }
    // Clamped to the columns there are; -1 without columns. Returns the
    // previous current column.
    int SetCurrent(int column);

    // Pixels in column order, decimal, separated by commas.
    static QString FormatWidths(const std::vector<int>& widths);
    // The width of every column from a stored text: the stored one where it is
    // a number in 0..kMaxStoredWidth, else the column's default width.
    std::vector<int> ParseWidths(const QString& text) const;
    // The stored text of section/entry ("" when there is none).
    static QString LoadWidthsText(GT::IProfile& profile, std::string_view section, std::string_view entry);
    static bool SaveWidthsText(GT::IProfile& profile, std::string_view section, std::string_view entry,
                               const QString& text);

private:
    struct Column {
        QString header;
        SELVColumn descriptor;
        int defaultWidth = 0;
    };
    bool Valid(int index) const { return index >= 0 && index < Count(); }

    std::vector<Column> columns_;
    int current_ = -1;
};

} // namespace GP
