#include "toolkit/profile/IniProfile.h"

#include <QSettings>
#include <QStringList>

#include <optional>

namespace GT {
namespace {

const char* const kOrganisation = "Tessan";
const char* const kApplication = "ZM-47 Librarian";

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// The QSettings key of a path, or nothing when section or entry is empty:
// such a key would land in the file's general section under another name.
std::optional<QString> KeyOf(std::string_view path) {
    const auto slash = path.find(CIniProfile::kSeparator);
    const std::string_view section = slash == std::string_view::npos ? path : path.substr(0, slash);
    const std::string_view entry = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (section.empty() || entry.empty())
        return std::nullopt;
    return FromUtf8(section) + QLatin1Char('/') + FromUtf8(entry);
}

} // namespace

CIniProfile::CIniProfile()
    : settings_(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kOrganisation, kApplication)) {
}

CIniProfile::CIniProfile(const std::string& filePath)
    : settings_(std::make_unique<QSettings>(QString::fromStdString(filePath), QSettings::IniFormat)) {}

CIniProfile::~CIniProfile() = default;

std::string CIniProfile::GetString(std::string_view path, std::string_view def) {
    const auto key = KeyOf(path);
    if (!key)
        return std::string(def);
    const QVariant value = settings_->value(*key);
    if (!value.isValid())
        return std::string(def);
    // An unquoted value with commas, as a hand-edited file may hold, is read
    // by QSettings as a list; the profile means the text as it stands.
    if (value.typeId() == QMetaType::QStringList)
        return value.toStringList().join(QLatin1Char(',')).toStdString();
    return value.toString().toStdString();
}

int CIniProfile::GetInt(std::string_view path, int def) {
    const std::string text = GetString(path, std::to_string(def));
    bool ok = false;
    const int value = QString::fromStdString(text).trimmed().toInt(&ok, 10);
    return ok ? value : def;
}

bool CIniProfile::WriteString(std::string_view path, std::string_view text) {
    const auto key = KeyOf(path);
    if (!key)
        return false;
    settings_->setValue(*key, FromUtf8(text));
    // Written through at once, so nothing is lost if the program ends badly.
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

bool CIniProfile::WriteInt(std::string_view path, int value) { return WriteString(path, std::to_string(value)); }

} // namespace GT
