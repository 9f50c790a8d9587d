#pragma once
// The commands the application object answers: New, Open and Exit itself
// (through the document manager and the main frame), About, the manual and
// the two setup commands through the application's command handlers.
#include "app/commands/AppCommands.h"
#include "app/commands/ViewWindows.h"
#include "app/ui/CommandTarget.h"

class CAppRecentFiles;
class CDocMan;
class CMainFrame;
class CLibrarianState;

class CAppCommandTarget : public ICommandTarget {
public:
    // None is owned; all outlive this object. A file opened by Open goes to
    // the recent-file list; state is the librarian state the application
    // commands work on.
    CAppCommandTarget(CMainFrame& frame, CDocMan& manager, CAppRecentFiles& recentFiles, CLibrarianState& state);

    bool HandlesCommand(int id) const override;
    bool IsCommandChecked(int id) const override;
    // The application's handlers' rules (Ask Again is greyed while no
    // question is turned off); its own commands are always enabled.
    bool IsCommandEnabled(int id) const override;
    void OnCommand(int id) override;

    CAppCommands& AppCommands() { return commands_; }

private:
    CMainFrame& frame_;            // not owned
    CDocMan& manager_;             // not owned
    CAppRecentFiles& recentFiles_; // not owned
    CDocManWindows windows_;
    CAppCommands commands_;
};
