#include "toolkit/qt/EditListColumns.h"

#include "toolkit/profile/Profile.h"

#include <QStringList>

#include <algorithm>

namespace GP {
namespace {

std::string ProfilePath(std::string_view section, std::string_view entry) {
    std::string path(section);
    path += '/';
    path += entry;
    return path;
}

} // namespace

int CEditListColumns::Insert(int index, const QString& header, const SELVColumn& column, int defaultWidth) {
    index = std::clamp(index, 0, Count());
    columns_.insert(columns_.begin() + index, Column{header, column, defaultWidth});
    if (current_ >= index)
        ++current_;
    return index;
}

bool CEditListColumns::Remove(int index) {
    if (!Valid(index))
        return false;
    columns_.erase(columns_.begin() + index);
    if (index == current_)
        current_ = -1;
    else if (index < current_)
        --current_;
    return true;
}

const SELVColumn* CEditListColumns::Descriptor(int index) const {
    return Valid(index) ? &columns_[static_cast<std::size_t>(index)].descriptor : nullptr;
}

int CEditListColumns::Flags(int index) const {
    const SELVColumn* column = Descriptor(index);
    return column ? column->flags : 0;
}

QString CEditListColumns::Header(int index) const {
    return Valid(index) ? columns_[static_cast<std::size_t>(index)].header : QString();
}

int CEditListColumns::DefaultWidth(int index) const {
    return Valid(index) ? columns_[static_cast<std::size_t>(index)].defaultWidth : 0;
}

bool CEditListColumns::SetDefaultWidth(int index, int width) {
    if (!Valid(index) || width < 0)
        return false;
    columns_[static_cast<std::size_t>(index)].defaultWidth = width;
    return true;
}

int CEditListColumns::SetCurrent(int column) {
    const int old = current_;
    current_ = Count() == 0 ? -1 : std::clamp(column, 0, Count() - 1);
    return old;
}

QString CEditListColumns::FormatWidths(const std::vector<int>& widths) {
    QStringList texts;
    for (int width : widths)
        texts << QString::number(width);
    return texts.join(u',');
}

std::vector<int> CEditListColumns::ParseWidths(const QString& text) const {
    const QStringList entries = text.split(u',');
    std::vector<int> widths;
    for (int i = 0; i < Count(); ++i) {
        bool ok = false;
        const int width = i < entries.size() ? entries[i].trimmed().toInt(&ok) : 0;
        const bool usable = ok && width >= 0 && width <= kMaxStoredWidth;
        widths.push_back(usable ? width : DefaultWidth(i));
    }
    return widths;
}

QString CEditListColumns::LoadWidthsText(GT::IProfile& profile, std::string_view section, std::string_view entry) {
    return QString::fromStdString(profile.GetString(ProfilePath(section, entry), ""));
}

bool CEditListColumns::SaveWidthsText(GT::IProfile& profile, std::string_view section, std::string_view entry,
                                      const QString& text) {
    return profile.WriteString(ProfilePath(section, entry), text.toStdString());
}

} // namespace GP
