#pragma once
// What the librarian commands need of the windows: the window a command runs
// in (its shown list, its document data, its modified mark and preview
// buttons) and the program's set of windows (a new file window for
// Duplicate, updates that reach every window). The views implement these
// for the real windows; tests implement them without a main frame.
#include <string>

class CDocumentBase;
class CParameterListCtrl;
class QWidget;

class ICommandWindow {
public:
    virtual ~ICommandWindow() = default;
    // The list the window shows now (not owned; the main window's follows
    // the current area), or nullptr while it shows none.
    virtual CParameterListCtrl* GetList() const = 0;
    // The window's document data (not owned), or nullptr once it is closed.
    virtual CDocumentBase* GetData() const = 0;
    // Marks the window's document as changed (its title then shows "*").
    virtual void SetModified() = 0;
    // Makes the preview buttons follow the rows again.
    virtual void RebuildPreviewButtons() = 0;
    // Every view of the window's document shows the update (UpdateHint).
    virtual void UpdateViews(int hint) = 0;
    // The parent of the dialogs a command opens; may be nullptr.
    virtual QWidget* GetDialogParent() const { return nullptr; }
    // A line in the program's status bar saying what a command did (what
    // an import took, what was written); a window without one shows nothing.
    virtual void ShowStatus(const std::string& /*text*/) {}
    // The window's name as the patches of a file window are called by in a
    // status line ("bank.z4l"); empty for the main window.
    virtual std::string GetTitle() const { return {}; }
};

class IWindowDirectory {
public:
    virtual ~IWindowDirectory() = default;
    // Opens a new, untitled, visible librarian file window. The window (not
    // owned; valid until it closes), or nullptr when none could be made.
    virtual ICommandWindow* OpenUntitledFileWindow() = 0;
    // The main window's views, then every librarian file window's views,
    // show the update (UpdateHint).
    virtual void UpdateAllViews(int hint) = 0;
};
