#pragma once
// The librarian commands of one window's view (Read, Write, the edit
// commands, Duplicate, the SMF commands, Undo) and its preview send. The
// command handlers are made for each view when its window is created (see
// CMainFrame::SetImageViewCommands and SetFileViewCommands) and are owned by
// the view.
#include "app/ui/CommandTarget.h"

#include <string>

struct CPatchDrop;

class IViewCommands : public ICommandTarget {
public:
    // Sends the patch of this index of the shown array to the unit's
    // temporary patch (the user has confirmed). False when nothing was sent.
    virtual bool PreviewSend(int index) = 0;
    // The question asked before that send, naming the patch ("Send MEMORY 4
    // “Lead” to the temporary patch of the ZM-47?"). Default: none.
    virtual std::string PreviewQuestion(int /*index*/) const { return {}; }
    // Called when the framework updates command states: the main window
    // enables its "Selected" buttons here. Default: nothing.
    virtual void OnIdleUpdate() {}
    // Patches dragged onto the window's list (see IPatchDropTarget). False
    // when nothing changed. Default: nothing is taken.
    virtual bool DropPatches(const CPatchDrop&) { return false; }
};
