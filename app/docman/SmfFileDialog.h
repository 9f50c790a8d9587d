#pragma once
// The file dialogs of Import SMF and Export SMF, and of Import SysEx and
// Export SysEx. Each starts in the folder of the last file of its kind
// imported or exported and, for export, proposes that file's name
// ("Untitled.mid" or "Untitled.syx" the first time).
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

// After a successful import or export: "SMF"/"InitialDirectory" = the file's
// folder and "SMF"/"InitialFileName" = its name.
bool RememberSmfFile(GT::IProfile& profile, const QString& path);

// The same for raw SysEx files (.syx), remembered in section "SysEx".
std::optional<QString> PromptSysExFileName(bool openFileDialog, QWidget* parent, GT::IProfile& profile,
                                           IFileDialogRunner& runner);
bool RememberSysExFile(GT::IProfile& profile, const QString& path);
