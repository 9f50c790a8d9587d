#pragma once
// The file dialog of Import SMF and Export SMF. It starts in the folder of
// the last imported or exported file and, for export, proposes that file's
// name ("Untitled.mid" the first time).
#include <QString>

#include <optional>

class QWidget;
class IFileDialogRunner;
namespace GT {
class IProfile;
}

// The chosen path, or nothing when cancelled. The filter shown last is
// remembered also on cancel.
std::optional<QString> PromptSmfFileName(bool openFileDialog, QWidget* parent, GT::IProfile& profile,
                                         IFileDialogRunner& runner);
// With the process-wide profile and runner.
std::optional<QString> PromptSmfFileName(bool openFileDialog, QWidget* parent = nullptr);

// After a successful import or export: "SMF"/"InitialDirectory" = the file's
// folder and "SMF"/"InitialFileName" = its name.
bool RememberSmfFile(GT::IProfile& profile, const QString& path);
bool RememberSmfFile(const QString& path);
