#pragma once
// The window list dialog: every listed window of a frame on one line ("*"
// before the ones that are not minimized), several of them selected at once
// to open, close, leave alone on the screen or tile. It remembers its
// rectangle under "Window/WindowListDialogSize".
#include "toolkit/qt/ResizeDlg.h"

#include <QBoxLayout>
#include <QList>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>

class QMdiSubWindow;

namespace GP {

class CMDIFrameWndEx;

class CWindowListDlg : public CResizeDlg {
    Q_OBJECT
public:
    CWindowListDlg(CMDIFrameWndEx& frame, GT::IProfile& profile = GT::GetProfile());

    QListWidget& List() { return list_; }

    // The buttons' actions.
    void OpenSelected();
    void CloseSelected();
    void LeaveSelected();
    void TileSelectedHorizontally();
    void TileSelectedVertically();
    void ShowHelp();

    // Fills the list from the frame with the active window's line selected.
    void Fill();

protected:
    void GetRectProfileKey(std::string& section, std::string& key) const override;

private:
    QList<QMdiSubWindow*> SelectedWindows() const;
    // Activates and restores the selected windows from the last to the first,
    // so that the first ends on top.
    void ActivateSelected();
    void MinimizeUnselected();
    // Fills again, with the selection and caret as they were.
    void Refill();

    CMDIFrameWndEx& frame_; // not owned
    QList<QPointer<QMdiSubWindow>> windows_;
    QHBoxLayout layout_;
    QVBoxLayout buttons_;
    QListWidget list_;
    QPushButton open_;
    QPushButton close_;
    QPushButton leave_;
    QPushButton tileH_;
    QPushButton tileV_;
    QPushButton done_;
    QPushButton help_;
};

} // namespace GP
