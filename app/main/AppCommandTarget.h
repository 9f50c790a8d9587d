#pragma once
// The commands the application object answers: New, Open and Exit itself
// (through the document manager and the main frame), About, the manual and
// the two setup commands through the application's command handlers.
#include "app/commands/AppCommands.h"
#include "app/commands/ViewWindows.h"
#include "app/ui/CommandTarget.h"

class CDocMan;
class CMainFrame;

class CAppCommandTarget : public ICommandTarget {
public:
    // Neither is owned; both outlive this object.
    CAppCommandTarget(CMainFrame& frame, CDocMan& manager);

    bool HandlesCommand(int id) const override;
    void OnCommand(int id) override;

    CAppCommands& AppCommands() { return commands_; }

private:
    CMainFrame& frame_;  // not owned
    CDocMan& manager_;   // not owned
    CDocManWindows windows_;
    CAppCommands commands_;
};
