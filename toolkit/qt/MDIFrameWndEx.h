#pragma once
// The main frame of an MDI program with what every window of it shares:
// the frame's position, maximized state and bar layout survive between runs;
// the Window menu carries a submenu listing the open windows under one-key
// labels (also a pop-up at the mouse with Ctrl+G); the active child can be
// stretched to the full height or width of the MDI area or remember its
// position; a window list dialog opens, closes, tiles or minimizes several
// windows at once.
#include "toolkit/qt/WindowList.h"
#include "toolkit/profile/Profile.h"

#include <QAction>
#include <QMainWindow>
#include <QMdiArea>
#include <QMenu>
#include <QPointer>

namespace GP {

class CMDIChildWndEx;

// Where a frame opens while no position is stored: 80 % of the width and
// height of the screen's available area, centred on it (800 x 600 at the top
// left when no screen is known).
QRect FirstRunFrameRect(const QRect& available);

class CMDIFrameWndEx : public QMainWindow {
    Q_OBJECT
public:
    // Restores the frame's stored position and maximized state; without a
    // stored position the frame opens at FirstRunFrameRect.
    explicit CMDIFrameWndEx(GT::IProfile& profile = GT::GetProfile(), QWidget* parent = nullptr);
    // Writes the frame's normal rectangle to "Window/Position".
    ~CMDIFrameWndEx() override;

    QMdiArea& MdiArea() { return mdiArea_; }

    // Puts the window-list submenu into windowMenu at position (replacing a
    // submenu already there and keeping its text); the submenu is rebuilt
    // whenever windowMenu opens. windowMenu is not owned.
    void SetWindowListMenu(QMenu* windowMenu, int position);
    QMenu& WindowListMenu() { return windowListMenu_; }
    // Refills the submenu: the first 36 listed windows, the active one checked.
    void RebuildWindowListMenu();
    // Ctrl+G: the submenu as a pop-up at the mouse.
    void PopupWindowListMenu();
    // Activates the n-th listed window and restores it if it is minimized.
    void ActivateListedWindow(int index);
    // The window list dialog, modal.
    void ShowWindowListDialog();

    // The windows in list order: the document frames when the program names
    // them, else every child sorted by title.
    SWindowList ListWindows() const;

    // Stores and restores the tool bars' layout under "ControlBar"; a layout
    // stored by another version of the program is not applied (false).
    bool LoadBarState();
    void SaveBarState();

    // The windows that are not minimized one above another (horizontally)
    // or side by side (vertically), in list order.
    void TileHorizontally();
    void TileVertically();

    // Enables and checks the window commands for the active child.
    void UpdateCommandStates();

    QAction& WindowListAction() { return windowListAction_; }
    QAction& PopupWindowListAction() { return popupAction_; }
    QAction& ResizeToFullAction() { return resizeToFullAction_; }
    QAction& MaximizeHeightAction() { return maximizeHeightAction_; }
    QAction& MaximizeWidthAction() { return maximizeWidthAction_; }
    QAction& SavePositionAction() { return savePositionAction_; }
    QAction& AlwaysOnTopAction() { return alwaysOnTopAction_; }

protected:
    // The frames of the program's documents in document order, each once;
    // empty (the default) when the program keeps no document list.
    virtual QList<QMdiSubWindow*> DocumentFrames() const;

    // Writes the maximized state, the program's version and the bar layout.
    void closeEvent(QCloseEvent* event) override;

private:
    void SetUpActions();
    void RestorePlacement();
    CMDIChildWndEx* ActiveChild() const;
    void Tile(Qt::Orientation orientation);

    GT::IProfile& profile_; // not owned
    QMdiArea mdiArea_;
    QMenu windowListMenu_;
    QPointer<QMenu> windowMenu_; // not owned
    QMetaObject::Connection windowMenuShown_;
    QAction windowListAction_;
    QAction popupAction_;
    QAction resizeToFullAction_;
    QAction maximizeHeightAction_;
    QAction maximizeWidthAction_;
    QAction savePositionAction_;
    QAction alwaysOnTopAction_;
};

} // namespace GP
