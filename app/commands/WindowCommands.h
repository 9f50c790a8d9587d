#pragma once
// The librarian commands of one window: reading and writing the unit, the
// preview send, the SMF exchange, Duplicate, Undo and the edit commands,
// with the rules that enable them in the main window and in a librarian
// file window. A view owns one and routes its commands here.
//
// Every command that changes patches records one undo step in the window's
// document data first; failures are shown where they are detected (the
// reader, the writer, the SMF exchange), so the commands only stop or undo.
#include "app/commands/CommandContext.h"
#include "app/core/HistoryAccess.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ViewCommands.h"

#include <optional>
#include <string>
#include <vector>

class CDocumentBase;
class CParameterArray;
class CParameterListCtrl;

// The folder of the backups made before writes: "backups" in the user's
// data folder (~/.local/share/Tessan/ZM-47 Librarian/backups on Linux).
QString BackupFolder();

class CWindowCommands : public IViewCommands {
public:
    explicit CWindowCommands(const CCommandContext& context);

    const CCommandContext& GetContext() const { return context_; }

    // Whether the window handles the command: the unit and SMF commands only
    // in the main window, the edit commands, Undo and Duplicate in both.
    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    void OnCommand(int id) override;
    // Sends the patch to the temporary patch; the status bar says so and
    // the list marks its row until the next preview.
    bool PreviewSend(int index) override;
    std::string PreviewQuestion(int index) const override;
    // Preview Patch: the focused row's patch, after the confirmation.
    bool PreviewCurrent();
    // Dropped patches work as the clipboard commands do, as one undo step:
    // in the main window they replace the rows from the drop row on (when
    // they all fit in the area), in a file window they are inserted before
    // the drop row, or moved there when dragged within the same window.
    bool DropPatches(const CPatchDrop& drop) override;

    // The commands one by one. Each returns true when it did its work;
    // false when it was not enabled, not confirmed, cancelled or failed.
    bool ReadPatches(bool selectedOnly);
    // Rows the unit's contents are unknown for are refused (a remembered
    // state the start-up read could not confirm); rows never read and not
    // changed by the user ask a question that names the area.
    bool WritePatches(bool selectedOnly);
    // The normal write (backup, verify) of the listed rows of an area of
    // the main window, without asking; their marks go once written. The
    // status bar says what was written, or that the command (its name in a
    // failure) failed or was cancelled.
    bool WriteRows(int area, const std::vector<int>& indexes, int command = kCmdWriteSelected);
    // The exchange files: in the main window a file of either kind is
    // imported into the areas it has data for, and the shown area's patches
    // (all or the selected ones) are exported to one. In a file window the
    // file's patches (of the area chosen when it holds several) are
    // inserted before the first selected row, or at the end, without a
    // question, as one undo step; its patches are exported as those of an
    // area the user chooses, row n as patch n. The status bar says what an
    // import took or where an export went, or that it failed or was
    // cancelled.
    enum ExchangeFile { kSmfFile, kSysExFile };
    bool ImportFile(ExchangeFile file);
    bool ExportFile(ExchangeFile file, bool selectedOnly);
    bool ImportSmf() { return ImportFile(kSmfFile); }
    bool ExportSmf(bool selectedOnly) { return ExportFile(kSmfFile, selectedOnly); }
    // Import SysEx asks as Import SMF does, then records the undo step only
    // once the file turned out to hold data for the unit.
    bool ImportSysEx() { return ImportFile(kSysExFile); }
    bool ExportSysEx(bool selectedOnly) { return ExportFile(kSysExFile, selectedOnly); }
    bool Duplicate();
    // Undo takes back the latest change of the area shown (a file window's
    // list), one step at a time; Redo makes it again.
    bool Undo();
    bool Redo();
    bool Cut();
    bool Copy();
    bool Insert();
    bool Replace();
    bool Delete();
    bool Initialize();
    bool SelectAll();
    // Replace String on the list's current column; the list records the
    // undo step and marks the change as an in-place edit does.
    bool ReplaceString();
    // Opens the list of the window's patches that share a sound.
    bool FindDuplicates();
    // "History of MEMORY 12" for the first selected row of the main window.
    bool ShowSlotHistory();
    // Puts the listed slots of `patches` (indexed by slot) into the main
    // window's area as one undo step and writes them with the normal write
    // (backup, verify), after asking; `when` names the state restored.
    bool RestorePatches(int area, const std::vector<int>& indexes, const CParameterArray& patches,
                        const QString& when);
    // The slot history's label names the slot.
    QString CommandText(int id) const override;

    // The patch indexes a transfer works on: every patch of the shown array,
    // or those of the selected rows in the order they are shown.
    std::vector<int> TransferIndexes(bool selectedOnly) const;

private:
    // A line in the status bar; the end of a command that did not do its
    // work: "Write All cancelled" or "Write All failed".
    void ShowStatus(const std::string& text) const;
    void ReportEnd(int command, bool cancelled) const;

    enum UnitContents { kContentsKnown, kContentsNotRead, kContentsRefused };
    // Whether the rows hold what the unit holds; says why when refused.
    UnitContents CheckUnitContents(int area, const std::vector<int>& indexes) const;
    static std::string AreaName(int area);
    // Undo or Redo (the command id) in the shown area.
    bool StepHistory(int command);

    CParameterListCtrl* List() const;
    CDocumentBase* Data() const;
    // The array the window shows: the current area's in the main window,
    // the file's patches in a file window.
    CParameterArray* ShownArray() const;
    int Area() const;
    int AreaCode() const;
    bool Confirm(int kind, const std::string& question = {}) const;
    GT::IProfile& Profile() const;
    // The state's history; one that records nothing without a state.
    CHistoryAccess& History() const;
    bool ImportIntoFile(ExchangeFile file);
    // The file dialog of an import (open) or export; nothing when cancelled.
    std::optional<QString> PromptExchangeFile(ExchangeFile file, bool open) const;

    // Enabling rules of the edit commands.
    bool HasSelection() const;
    // A row is selected and the first one holds a patch (not the file
    // list's empty last row).
    bool FirstSelectedHoldsPatch() const;
    bool ClipboardHasPatches() const;
    bool CanEditSelection() const;
    bool CanInsert() const;
    bool CanReplace() const;

    bool DropOnArea(const CPatchDrop& drop);
    bool DropInFile(const CPatchDrop& drop);
    bool MoveInFile(const CPatchDrop& drop);

    // After an edit: the main window keeps each area at the unit's size.
    void Refit();
    // After an edit in a file window: the modified mark and the buttons.
    void FileWindowChanged();

    CCommandContext context_;
    // The history of commands run without a librarian state (a lone window
    // in tests): no library, nothing recorded.
    mutable CHistoryAccess noHistory_;
};
