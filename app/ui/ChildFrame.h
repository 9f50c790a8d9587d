#pragma once
// The frame of every document window: it keeps its placement under
// "Window"/"Position<index>" and uses it once the settings are loaded;
// its context menu does nothing, and a right click on its caption opens the
// window list pop-up of the main frame.
#include "toolkit/qt/MDIChildWndEx.h"

class CMainFrame;

class CChildFrame : public GP::CMDIChildWndEx {
    Q_OBJECT
public:
    // positionIndex: 4097 for the main window, 4107 for file windows.
    CChildFrame(int positionIndex, CMainFrame& mainFrame, GT::IProfile& profile = GT::GetProfile());
    ~CChildFrame() override;

    // True once the settings have been loaded (position mode 2).
    bool RestoresPosition() const override;

    CMainFrame& MainFrame() const { return mainFrame_; }

protected:
    // The frame's caption changed: the main frame's caption follows.
    void UpdateMainTitle();

    // Nothing on the window itself; on the caption, the window list.
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    CMainFrame& mainFrame_;
};
