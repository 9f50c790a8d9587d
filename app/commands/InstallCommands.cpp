#include "app/commands/InstallCommands.h"

#include "app/commands/ViewWindows.h"
#include "app/commands/WindowCommands.h"
#include "app/core/LibrarianState.h"
#include "app/ui/MainFrame.h"

#include <memory>
#include <utility>

namespace {

// What the commands of a real window own: the window's adapter and the
// program's windows. A base of its own, so it exists before the commands
// that point to it.
struct CViewCommandParts {
    std::unique_ptr<ICommandWindow> window;
    std::unique_ptr<IWindowDirectory> windows;
};

CCommandContext MakeContext(const CViewCommandParts& parts, bool mainWindow, CMainFrame& frame) {
    CCommandContext context;
    context.window = parts.window.get();
    context.mainWindow = mainWindow;
    context.state = &frame.LibrarianState();
    context.confirmation = frame.GetConfirmation();
    context.areaChooser = frame.GetAreaChooser();
    context.windows = parts.windows.get();
    return context;
}

class CViewCommands : private CViewCommandParts, public CWindowCommands {
public:
    CViewCommands(std::unique_ptr<ICommandWindow> window, bool mainWindow, CDocMan& manager, CMainFrame& frame)
        : CViewCommandParts{std::move(window), std::make_unique<CDocManWindows>(manager)},
          CWindowCommands(MakeContext(*this, mainWindow, frame)) {}
};

} // namespace

void InstallWindowCommands(CMainFrame& frame, CDocMan& manager) {
    frame.SetImageViewCommands([&frame, &manager](CImageView& view) -> std::unique_ptr<IViewCommands> {
        return std::make_unique<CViewCommands>(std::make_unique<CImageViewWindow>(view), true, manager, frame);
    });
    frame.SetFileViewCommands([&frame, &manager](CFileView& view) -> std::unique_ptr<IViewCommands> {
        return std::make_unique<CViewCommands>(std::make_unique<CFileViewWindow>(view), false, manager, frame);
    });
}
