#include "app/main/AppCommandTarget.h"

#include "app/docman/DocMan.h"
#include "app/ui/CommandIds.h"
#include "app/ui/MainFrame.h"

CAppCommandTarget::CAppCommandTarget(CMainFrame& frame, CDocMan& manager)
    : frame_(frame), manager_(manager), windows_(manager), commands_(windows_, &frame)
{
}

bool CAppCommandTarget::HandlesCommand(int id) const
{
    return id == kCmdFileNew || id == kCmdFileOpen || id == kCmdAppExit || commands_.HandlesCommand(id);
}

void CAppCommandTarget::OnCommand(int id)
{
    switch (id) {
    case kCmdFileNew:
        manager_.OnFileNew();
        break;
    case kCmdFileOpen:
        manager_.OnFileOpen();
        break;
    case kCmdAppExit:
        // The frame asks about modified files before it closes; closing it
        // ends the event loop.
        frame_.close();
        break;
    default:
        commands_.OnCommand(id);
        break;
    }
}
