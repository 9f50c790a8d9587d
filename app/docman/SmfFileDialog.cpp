#include "app/docman/SmfFileDialog.h"

#include "app/docman/FileDialogA.h"
#include "toolkit/profile/Profile.h"

#include <QDir>
#include <QFileInfo>

namespace {

const char kSmfFolder[] = "SMF/InitialDirectory";
const char kSmfFileName[] = "SMF/InitialFileName";

} // namespace

std::optional<QString> PromptSmfFileName(bool openFileDialog, QWidget* parent, GT::IProfile& profile,
                                         IFileDialogRunner& runner) {
    CFilterList filters;
    filters.Add(QStringLiteral("Standard MIDI Files"), QStringLiteral(".mid"));
    filters.Add(QStringLiteral("All Files"), QStringLiteral("*.*"));
    CFileDialogA dialog(openFileDialog, QStringLiteral(".mid"), QString(), 0, filters, QString(), parent, profile,
                        runner);
    dialog.SetInitialFolder(QString::fromStdString(profile.GetString(kSmfFolder, "")));
    dialog.SetFileName(openFileDialog ? QString()
                                      : QString::fromStdString(profile.GetString(kSmfFileName, "Untitled.mid")));
    dialog.SetFilterIndexProfile(QStringLiteral("SMF"), QStringLiteral("InitialFilterIndex"), 0);
    if (dialog.DoModal() != CFileDialogA::kOk || dialog.GetPathName().isEmpty())
        return std::nullopt;
    return dialog.GetPathName();
}

std::optional<QString> PromptSmfFileName(bool openFileDialog, QWidget* parent) {
    return PromptSmfFileName(openFileDialog, parent, GT::GetProfile(), GetFileDialogRunner());
}

bool RememberSmfFile(GT::IProfile& profile, const QString& path) {
    const QFileInfo file(QDir::current().absoluteFilePath(path));
    const bool folder = profile.WriteString(kSmfFolder, QDir::cleanPath(file.absolutePath()).toStdString());
    const bool name = profile.WriteString(kSmfFileName, file.fileName().toStdString());
    return folder && name;
}

bool RememberSmfFile(const QString& path) { return RememberSmfFile(GT::GetProfile(), path); }
