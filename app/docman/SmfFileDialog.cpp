#include "app/docman/SmfFileDialog.h"

#include "app/docman/FileDialogA.h"
#include "toolkit/profile/Profile.h"

#include <QDir>
#include <QFileInfo>

#include <string>

namespace {

// One kind of exchange file: its profile section, filter and extension.
struct ExchangeKind {
    const char* section;
    const char* filterName;
    const char* extension;
};

constexpr ExchangeKind kSmf{"SMF", "Standard MIDI Files", ".mid"};
constexpr ExchangeKind kSysEx{"SysEx", "SysEx Files", ".syx"};

std::string Entry(const ExchangeKind& kind, const char* name) { return std::string(kind.section) + "/" + name; }

std::optional<QString> PromptFileName(const ExchangeKind& kind, bool openFileDialog, QWidget* parent,
                                      GT::IProfile& profile, IFileDialogRunner& runner) {
    const QString extension = QString::fromLatin1(kind.extension);
    CFilterList filters;
    filters.Add(QString::fromLatin1(kind.filterName), extension);
    filters.Add(QStringLiteral("All Files"), QStringLiteral("*.*"));
    CFileDialogA dialog(openFileDialog, extension, QString(), 0, filters, QString(), parent, profile, runner);
    dialog.SetInitialFolder(QString::fromStdString(profile.GetString(Entry(kind, "InitialDirectory"), "")));
    const std::string untitled = "Untitled" + std::string(kind.extension);
    dialog.SetFileName(openFileDialog
                           ? QString()
                           : QString::fromStdString(profile.GetString(Entry(kind, "InitialFileName"), untitled)));
    dialog.SetFilterIndexProfile(QString::fromLatin1(kind.section), QStringLiteral("InitialFilterIndex"), 0);
    if (dialog.DoModal() != CFileDialogA::kOk || dialog.GetPathName().isEmpty())
        return std::nullopt;
    return dialog.GetPathName();
}

bool RememberFile(const ExchangeKind& kind, GT::IProfile& profile, const QString& path) {
    const QFileInfo file(QDir::current().absoluteFilePath(path));
    const bool folder =
        profile.WriteString(Entry(kind, "InitialDirectory"), QDir::cleanPath(file.absolutePath()).toStdString());
    const bool name = profile.WriteString(Entry(kind, "InitialFileName"), file.fileName().toStdString());
    return folder && name;
}

} // namespace

std::optional<QString> PromptSmfFileName(bool openFileDialog, QWidget* parent, GT::IProfile& profile,
                                         IFileDialogRunner& runner) {
    return PromptFileName(kSmf, openFileDialog, parent, profile, runner);
}

std::optional<QString> PromptSysExFileName(bool openFileDialog, QWidget* parent, GT::IProfile& profile,
                                           IFileDialogRunner& runner) {
    return PromptFileName(kSysEx, openFileDialog, parent, profile, runner);
}

bool RememberSysExFile(GT::IProfile& profile, const QString& path) { return RememberFile(kSysEx, profile, path); }

bool RememberSmfFile(GT::IProfile& profile, const QString& path) { return RememberFile(kSmf, profile, path); }
