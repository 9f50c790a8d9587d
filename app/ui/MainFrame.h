#pragma once
// The program's main frame: menu bar, tool bar and status bar around the MDI
// area with the main window and the librarian file windows, all made from the
// command table (CommandTexts.h). Every menu item, accelerator and tool bar
// button is a QAction known by its command id;
// triggering one routes the command to the active window's view, then its
// document, then the application, and a command nobody handles is disabled.
#include "app/ui/CommandIds.h"
#include "app/ui/CommandTarget.h"
#include "toolkit/qt/MDIFrameWndEx.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QStringList>
#include <QTimer>
#include <QToolBar>

#include <functional>
#include <map>
#include <memory>
#include <vector>

class CFileDoc;
class CFileFrame;
class CFileView;
class CImageDoc;
class CImageFrame;
class CImageView;
class CDocMan;
class CLibrarianState;
struct CCommandRow;
class IAreaChooser;
class IMidiConfirmation;
namespace GP {
class CEditListCtrl;
}
class IViewCommands;

class CMainFrame : public GP::CMDIFrameWndEx {
    Q_OBJECT
public:
    using ImageViewCommandsFactory = std::function<std::unique_ptr<IViewCommands>(CImageView&)>;
    using FileViewCommandsFactory = std::function<std::unique_ptr<IViewCommands>(CFileView&)>;

    // state: the program's librarian state (not owned), which the windows'
    // views get: the current area, the patch clipboard, the grid setting.
    explicit CMainFrame(CLibrarianState& state, GT::IProfile& profile = GT::GetProfile(), QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The creation step: menus, tool bar ("Tool Bar"), status bar with one
    // pane, and the bar layout of the last run unless the program's version
    // changed since. False when a bar could not be made.
    bool Create();

    // The program's name: the caption when no child is active or the active
    // one is maximized; else "name - child title".
    static QString ApplicationName();
    void UpdateTitle();

    // The action of a command id, or nullptr. The same action serves menu,
    // accelerator and tool bar.
    QAction* Action(int id) const;
    std::vector<int> CommandIds() const;
    QToolBar& ToolBar() { return toolBar_; }
    QStatusBar& StatusBarPane() { return statusBar_; }
    // What the last transfer, import, export or save did ("60 patches
    // written to MEMORY"), shown in the status bar until the next one; a
    // command prompt covers it only while the pointer rests on a command.
    void ShowResult(const QString& text);
    QString ResultText() const { return resultLabel_.text(); }

    // Command routing. The application's handlers (not owned): About,
    // Manual, the setup commands, New, Open, Exit.
    void SetApplicationTarget(ICommandTarget* target) { appTarget_ = target; }
    // The target of the active window: its view, then (file windows) its
    // document's commands; nullptr without an active window.
    ICommandTarget* ActiveViewTarget() const;
    // Runs a command through the routing; false when nobody handles it or
    // it is disabled.
    bool OnCommand(int id);
    // Enables, disables and checks every action by the routing's rules and
    // lets the active view update its own controls. Runs on a short timer
    // and after every command.
    void UpdateCommandStates();

    CLibrarianState& LibrarianState() const { return state_; }

    // What every new window gets: its view's command handlers, the
    // confirmation before transfers (not owned), the chooser of a file's
    // area (not owned; the program's dialog when null) and the document
    // manager (not owned).
    void SetImageViewCommands(ImageViewCommandsFactory factory) { imageCommands_ = std::move(factory); }
    void SetFileViewCommands(FileViewCommandsFactory factory) { fileCommands_ = std::move(factory); }
    void SetConfirmation(IMidiConfirmation* confirmation) { confirmation_ = confirmation; }
    IMidiConfirmation* GetConfirmation() const { return confirmation_; }
    void SetAreaChooser(IAreaChooser* chooser) { areaChooser_ = chooser; }
    IAreaChooser* GetAreaChooser() const { return areaChooser_; }
    void SetDocMan(CDocMan* manager) { manager_ = manager; }
    CDocMan* GetDocMan() const { return manager_; }

    // Creates the main window on the document (not owned; it lives until
    // shutdown), shows its contents and makes it the program's main view.
    CImageFrame& CreateImageWindow(CImageDoc& document);
    // Creates a librarian file window on the document (not owned), shown.
    CFileFrame& CreateFileWindow(CFileDoc& document);
    CImageFrame* GetImageFrame() const { return imageFrame_; }
    // The main window's view; nullptr before it is created.
    CImageView* GetMainView() const;

    // The patch lists' context menu, with the edit commands; shown by the
    // lists of every window.
    QMenu& ListMenu() { return listMenu_; }
    void PopupListMenu(const QPoint& globalPos);

    // Asked before the frame closes (Exit): false keeps it open, e.g. when the
    // user cancels saving a modified file. Default: always closes.
    void SetCloseQuery(std::function<bool()> query) { closeQuery_ = std::move(query); }

signals:
    // Files dropped on the frame, in the order given.
    void filesDropped(const QStringList& paths);

protected:
    // The frames of the open documents, in the document manager's order.
    QList<QMdiSubWindow*> DocumentFrames() const override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    QAction& AddAction(const CCommandRow& row);
    void CreateActions();
    void CreateMenus();
    bool CreateToolBar();
    void AddChild(GP::CMDIChildWndEx& frame);
    void ConnectListMenu(GP::CEditListCtrl& list);
    QMdiSubWindow* ActiveFrame() const;
    // Lines the minimized windows up along the bottom of the client area;
    // the other windows keep their places.
    void ArrangeIcons();
    // Save or Save As of a file window; the status bar says what became of it.
    void SaveFile(CFileDoc& document, bool saveAs);

    CLibrarianState& state_; // not owned
    GT::IProfile& profile_;  // not owned
    QToolBar toolBar_;
    QStatusBar statusBar_;
    QLabel resultLabel_;
    std::map<int, std::unique_ptr<QAction>> actions_;
    std::vector<std::unique_ptr<QMenu>> menus_;
    QMenu listMenu_;
    QTimer idleTimer_;
    ICommandTarget* appTarget_ = nullptr;       // not owned
    IMidiConfirmation* confirmation_ = nullptr; // not owned
    IAreaChooser* areaChooser_ = nullptr;       // not owned
    CDocMan* manager_ = nullptr;                // not owned
    ImageViewCommandsFactory imageCommands_;
    FileViewCommandsFactory fileCommands_;
    CImageFrame* imageFrame_ = nullptr; // owned by the MDI area
    std::function<bool()> closeQuery_;
};
