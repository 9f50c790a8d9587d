#include "app/main/AppCommandTarget.h"

#include "app/docman/DocMan.h"
#include "app/main/AppRecentFiles.h"
#include "app/ui/CommandIds.h"
#include "app/ui/MainFrame.h"
#include "app/commands/HistoryCommands.h"
#include "app/commands/WindowCommands.h"

CAppCommandTarget::CAppCommandTarget(CMainFrame& frame, CDocMan& manager, CAppRecentFiles& recentFiles,
                                     CLibrarianState& state)
    : frame_(frame), manager_(manager), recentFiles_(recentFiles), windows_(manager),
      commands_(windows_, state, &frame) {}

bool CAppCommandTarget::IsCommandChecked(int id) const { return commands_.IsCommandChecked(id); }

bool CAppCommandTarget::IsCommandEnabled(int id) const {
    return commands_.HandlesCommand(id) ? commands_.IsCommandEnabled(id) : id != 0;
}

bool CAppCommandTarget::HandlesCommand(int id) const {
    return id == kCmdFileNew || id == kCmdFileOpen || id == kCmdOpenBackup || id == kCmdAppExit || id == kCmdHistory ||
           id == kCmdFind || commands_.HandlesCommand(id);
}

void CAppCommandTarget::OnCommand(int id) {
    switch (id) {
    case kCmdFileNew:
        manager_.OnFileNew();
        break;
    case kCmdFileOpen:
        if (IDocManDocument* document = manager_.OnFileOpen())
            recentFiles_.Add(document->GetPathName());
        break;
    case kCmdOpenBackup:
        if (IDocManDocument* document = manager_.OnFileOpenIn(BackupFolder(), CMainFrame::tr("Open Backup")))
            recentFiles_.Add(document->GetPathName());
        break;
    case kCmdHistory:
        OpenHistoryWindow(frame_);
        break;
    case kCmdFind:
        OpenFindWindow(frame_);
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
