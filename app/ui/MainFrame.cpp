#include "app/ui/MainFrame.h"

#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/ui/CommandTexts.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/ImageView.h"
#include "toolkit/profile/VersionInfo.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include <algorithm>

namespace {

constexpr int kIdleInterval = 250;  // ms between command state updates

} // namespace

CMainFrame::CMainFrame(GT::IProfile& profile, QWidget* parent) : GP::CMDIFrameWndEx(profile, parent), profile_(profile) {
    setWindowTitle(ApplicationName());
    idleTimer_.setInterval(kIdleInterval);
    connect(&idleTimer_, &QTimer::timeout, this, &CMainFrame::UpdateCommandStates);
    connect(&MdiArea(), &QMdiArea::subWindowActivated, this, [this] {
        UpdateTitle();
        UpdateCommandStates();
    });
}

CMainFrame::~CMainFrame() {
    idleTimer_.stop();
    // The windows go before the actions and bars they use; nothing is asked
    // any more at this point.
    for (QMdiSubWindow* frame : MdiArea().subWindowList())
        delete frame;
}

QString CMainFrame::ApplicationName() { return tr("ZM-47 Librarian"); }

bool CMainFrame::Create() {
    CreateActions();
    CreateMenus();
    if (!CreateToolBar())
        return false;
    statusBar_.setObjectName(QStringLiteral("StatusBar"));
    setStatusBar(&statusBar_);
    setAcceptDrops(true);
    // A layout saved by another version of the program is not applied; the
    // tool bar then stays at its default place at the top.
    LoadBarState();
    UpdateCommandStates();
    idleTimer_.start();
    return true;
}

QAction& CMainFrame::AddAction(int id, const QString& text, const QKeySequence& key) {
    auto action = std::make_unique<QAction>(text, this);
    if (!key.isEmpty()) {
        action->setShortcut(key);
        action->setShortcutContext(Qt::WindowShortcut);
    }
    action->setData(id);
    // The prompt shows in the status bar while the pointer rests on the
    // command; the tip beside its tool bar button.
    action->setStatusTip(CommandPrompt(id));
    action->setToolTip(CommandTip(id));
    action->setIcon(CommandIcon(id));
    connect(action.get(), &QAction::triggered, this, [this, id] { OnCommand(id); });
    addAction(action.get());
    QAction& result = *action;
    actions_[id] = std::move(action);
    return result;
}

void CMainFrame::CreateActions() {
    AddAction(kCmdFileNew, tr("&New\tCtrl+N"), QKeySequence(Qt::CTRL | Qt::Key_N));
    AddAction(kCmdFileOpen, tr("&Open...\tCtrl+O"), QKeySequence(Qt::CTRL | Qt::Key_O));
    AddAction(kCmdFileClose, tr("&Close"));
    AddAction(kCmdFileSave, tr("&Save\tCtrl+S"), QKeySequence(Qt::CTRL | Qt::Key_S));
    AddAction(kCmdFileSaveAs, tr("Save &As..."));
    AddAction(kCmdDuplicate, tr("D&uplicate\tCtrl+D"), QKeySequence(Qt::CTRL | Qt::Key_D));
    AddAction(kCmdImportSmf, tr("&Import SMF..."));
    AddAction(kCmdExportSmfAll, tr("Export SMF All &Data..."));
    AddAction(kCmdExportSmfSelected, tr("Export SMF S&elected Data..."));
    AddAction(kCmdImportSysEx, tr("Import S&ysEx..."));
    AddAction(kCmdExportSysExAll, tr("&All Data..."));
    AddAction(kCmdExportSysExSelected, tr("&Selected Data..."));
    AddAction(kCmdOpenBackup, tr("Open &Backup..."));
    AddAction(kCmdAppExit, tr("E&xit"));

    AddAction(kCmdUndo, tr("&Undo\tCtrl+Z"), QKeySequence(Qt::CTRL | Qt::Key_Z));
    AddAction(kCmdCut, tr("Cu&t\tCtrl+X"), QKeySequence(Qt::CTRL | Qt::Key_X));
    AddAction(kCmdCopy, tr("&Copy\tCtrl+C"), QKeySequence(Qt::CTRL | Qt::Key_C));
    AddAction(kCmdInsert, tr("&Insert\tCtrl+V"), QKeySequence(Qt::CTRL | Qt::Key_V));
    AddAction(kCmdReplace, tr("&Replace\tCtrl+R"), QKeySequence(Qt::CTRL | Qt::Key_R));
    AddAction(kCmdDelete, tr("&Delete\tDel"), QKeySequence(Qt::Key_Delete));
    AddAction(kCmdInitialize, tr("I&nitialize\tCtrl+I"), QKeySequence(Qt::CTRL | Qt::Key_I));
    AddAction(kCmdSelectAll, tr("Select &All\tCtrl+A"), QKeySequence(Qt::CTRL | Qt::Key_A));
    // A key of its own: Ctrl+R is Replace, whether Replace is enabled or not.
    QAction& replaceString =
        AddAction(kCmdReplaceString, tr("Replace Strin&g...\tCtrl+H"), QKeySequence(Qt::CTRL | Qt::Key_H));
    replaceString.setStatusTip(tr("Replace a string in the current column of the selected rows"));
    replaceString.setToolTip(tr("Replace String"));

    AddAction(kCmdReadAll, tr("Read &All"));
    AddAction(kCmdReadSelected, tr("Read &Selected"));
    AddAction(kCmdWriteAll, tr("&Write All"));
    AddAction(kCmdWriteSelected, tr("W&rite Selected"));

    AddAction(kCmdSetUpMidiDevices, tr("Set Up &MIDI Devices..."));
    AddAction(kCmdSetUpFont, tr("Set Up &Font..."));
    AddAction(kCmdSetUpGrid, tr("Set Up &Grid..."));
    AddAction(kCmdVerifyWrites, tr("&Verify After Writing"));
    AddAction(kCmdBackUpBeforeWriting, tr("&Back Up Before Writing"));

    AddAction(kCmdWindowCascade, tr("&Cascade"));
    AddAction(kCmdWindowTileHorz, tr("Tile &Horizontally"));
    AddAction(kCmdWindowTileVert, tr("Tile &Vertically"));
    AddAction(kCmdWindowArrange, tr("&Arrange Icons"));

    AddAction(kCmdManual, tr("ZM-47 Librarian &Manual\tF1"), QKeySequence(Qt::Key_F1));
    AddAction(kCmdAbout, tr("&About ZM-47 Librarian..."));

    // The menu texts carry their keys after a tab for the menus; the actions
    // show them from the shortcut, so the tab part is dropped here.
    for (auto& [id, action] : actions_) {
        const QString text = action->text();
        const qsizetype tab = text.indexOf(QLatin1Char('\t'));
        if (tab >= 0)
            action->setText(text.left(tab));
    }
}

void CMainFrame::CreateMenus() {
    auto addMenu = [this](const QString& title, std::initializer_list<int> ids) {
        auto menu = std::make_unique<QMenu>(title, this);
        for (int id : ids) {
            if (id == 0)
                menu->addSeparator();
            else
                menu->addAction(Action(id));
        }
        menuBar()->addMenu(menu.get());
        QMenu* result = menu.get();
        menus_.push_back(std::move(menu));
        return result;
    };
    QMenu* file = addMenu(tr("&File"), {kCmdFileNew, kCmdFileOpen, kCmdOpenBackup, kCmdFileClose, kCmdFileSave,
                                        kCmdFileSaveAs, 0, kCmdDuplicate, 0, kCmdImportSmf, kCmdExportSmfAll,
                                        kCmdExportSmfSelected, kCmdImportSysEx});
    auto exportSysEx = std::make_unique<QMenu>(tr("Export SysE&x"), this);
    exportSysEx->addAction(Action(kCmdExportSysExAll));
    exportSysEx->addAction(Action(kCmdExportSysExSelected));
    file->addMenu(exportSysEx.get());
    menus_.push_back(std::move(exportSysEx));
    file->addSeparator();
    file->addAction(Action(kCmdAppExit));
    addMenu(tr("&Edit"), {kCmdUndo, 0, kCmdCut, kCmdCopy, kCmdInsert, kCmdReplace, kCmdDelete, kCmdInitialize, 0,
                          kCmdReplaceString, 0, kCmdSelectAll});
    addMenu(tr("&MIDI"), {kCmdReadAll, kCmdReadSelected, 0, kCmdWriteAll, kCmdWriteSelected});
    addMenu(tr("&Setup"), {kCmdSetUpMidiDevices, kCmdSetUpFont, kCmdSetUpGrid, 0, kCmdVerifyWrites,
                           kCmdBackUpBeforeWriting});
    QMenu* window = addMenu(tr("&Window"), {});
    window->addMenu(&WindowListMenu());
    window->addSeparator();
    for (int id : {kCmdWindowCascade, kCmdWindowTileHorz, kCmdWindowTileVert, kCmdWindowArrange})
        window->addAction(Action(id));
    window->addSeparator();
    for (QAction* action : {&WindowListAction(), &ResizeToFullAction(), &MaximizeHeightAction(),
                            &MaximizeWidthAction(), &SavePositionAction(), &AlwaysOnTopAction()})
        window->addAction(action);
    SetWindowListMenu(window, 0);
    addMenu(tr("&Help"), {kCmdManual, 0, kCmdAbout});

    // The patch lists' context menu: the edit commands of the Edit menu.
    listMenu_.setParent(this, Qt::Popup);
    for (int id : std::initializer_list<int>{kCmdCut, kCmdCopy, kCmdInsert, kCmdReplace, kCmdDelete, kCmdInitialize,
                                             0, kCmdReplaceString, 0, kCmdSelectAll}) {
        if (id == 0)
            listMenu_.addSeparator();
        else
            listMenu_.addAction(Action(id));
    }
}

void CMainFrame::PopupListMenu(const QPoint& globalPos) {
    UpdateCommandStates();
    listMenu_.popup(globalPos);
}

void CMainFrame::ConnectListMenu(GP::CEditListCtrl& list) {
    connect(&list, &GP::CEditListCtrl::contextMenuWanted, this, &CMainFrame::PopupListMenu);
}

bool CMainFrame::CreateToolBar() {
    toolBar_.setParent(this);
    toolBar_.setObjectName(QStringLiteral("ToolBar"));
    toolBar_.setWindowTitle(tr("Tool Bar"));
    toolBar_.setAllowedAreas(Qt::AllToolBarAreas);
    const int buttons[] = {kCmdFileNew, kCmdFileOpen, kCmdFileSave, 0,         kCmdUndo, kCmdCut,
                           kCmdCopy,    kCmdInsert,   kCmdReplace,  kCmdDelete, 0,        kCmdManual};
    for (int id : buttons) {
        if (id == 0) {
            toolBar_.addSeparator();
            continue;
        }
        QAction* action = Action(id);
        if (!action)
            return false;
        toolBar_.addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, &toolBar_);
    return true;
}

QAction* CMainFrame::Action(int id) const {
    const auto found = actions_.find(id);
    return found == actions_.end() ? nullptr : found->second.get();
}

std::vector<int> CMainFrame::CommandIds() const {
    std::vector<int> ids;
    for (const auto& [id, action] : actions_)
        ids.push_back(id);
    return ids;
}

void CMainFrame::UpdateTitle() {
    QMdiSubWindow* active = MdiArea().activeSubWindow();
    if (!active || active->isMaximized())
        setWindowTitle(ApplicationName());
    else
        setWindowTitle(ApplicationName() + QStringLiteral(" - ") + active->windowTitle());
}

QMdiSubWindow* CMainFrame::ActiveFrame() const {
    // The toolkit gives its MDI area to changing callers only.
    return const_cast<CMainFrame*>(this)->MdiArea().activeSubWindow();
}

ICommandTarget* CMainFrame::ActiveViewTarget() const {
    QMdiSubWindow* active = ActiveFrame();
    if (!active)
        return nullptr;
    if (auto* frame = qobject_cast<CImageFrame*>(active))
        return &frame->View();
    if (auto* frame = qobject_cast<CFileFrame*>(active))
        return &frame->View();
    return nullptr;
}

void CMainFrame::ArrangeIcons() {
    // Left to right along the bottom edge, a new row above when one is full.
    const QSize client = MdiArea().viewport()->size();
    int x = 0;
    int bottom = client.height();
    int rowHeight = 0;
    for (QMdiSubWindow* child : MdiArea().subWindowList(QMdiArea::CreationOrder)) {
        if (!child->isMinimized() || child->isHidden())
            continue;
        const QSize size = child->size();
        if (x > 0 && x + size.width() > client.width()) {
            x = 0;
            bottom -= rowHeight;
            rowHeight = 0;
        }
        child->move(x, bottom - size.height());
        x += size.width();
        rowHeight = std::max(rowHeight, size.height());
    }
}

namespace {

// The window commands the frame handles itself.
bool IsFrameCommand(int id) {
    return id == kCmdWindowCascade || id == kCmdWindowTileHorz || id == kCmdWindowTileVert || id == kCmdWindowArrange;
}

// Close, Save and Save As belong to a file window's document.
bool IsDocumentCommand(int id) { return id == kCmdFileClose || id == kCmdFileSave || id == kCmdFileSaveAs; }

} // namespace

bool CMainFrame::OnCommand(int id) {
    bool done = false;
    if (IsFrameCommand(id)) {
        switch (id) {
        case kCmdWindowCascade:
            MdiArea().cascadeSubWindows();
            break;
        case kCmdWindowTileHorz:
            TileHorizontally();
            break;
        case kCmdWindowTileVert:
            TileVertically();
            break;
        default:
            ArrangeIcons();
            break;
        }
        done = true;
    } else if (IsDocumentCommand(id)) {
        auto* frame = qobject_cast<CFileFrame*>(MdiArea().activeSubWindow());
        if (frame && frame->Document()) {
            if (id == kCmdFileClose)
                frame->close();
            else if (id == kCmdFileSave)
                frame->Document()->DoFileSave();
            else
                frame->Document()->DoFileSaveAs();
            done = true;
        }
    } else if (ICommandTarget* view = ActiveViewTarget(); view && view->HandlesCommand(id)) {
        if (view->IsCommandEnabled(id)) {
            view->OnCommand(id);
            done = true;
        }
    } else if (appTarget_ && appTarget_->HandlesCommand(id) && appTarget_->IsCommandEnabled(id)) {
        appTarget_->OnCommand(id);
        done = true;
    }
    UpdateCommandStates();
    return done;
}

void CMainFrame::UpdateCommandStates() {
    ICommandTarget* view = ActiveViewTarget();
    const bool fileWindow = qobject_cast<CFileFrame*>(MdiArea().activeSubWindow()) != nullptr;
    for (auto& [id, action] : actions_) {
        bool enabled = false;
        bool checked = false;
        if (IsFrameCommand(id)) {
            enabled = !MdiArea().subWindowList().isEmpty();
        } else if (IsDocumentCommand(id)) {
            enabled = fileWindow;
        } else if (view && view->HandlesCommand(id)) {
            enabled = view->IsCommandEnabled(id);
            checked = view->IsCommandChecked(id);
        } else if (appTarget_ && appTarget_->HandlesCommand(id)) {
            enabled = appTarget_->IsCommandEnabled(id);
            checked = appTarget_->IsCommandChecked(id);
        }
        action->setEnabled(enabled);
        action->setCheckable(checked);
        action->setChecked(checked);
    }
    if (auto* frame = qobject_cast<CImageFrame*>(MdiArea().activeSubWindow()))
        frame->View().OnIdleUpdate();
    else if (auto* frame = qobject_cast<CFileFrame*>(MdiArea().activeSubWindow())) {
        if (IViewCommands* commands = frame->View().GetCommands())
            commands->OnIdleUpdate();
    }
    GP::CMDIFrameWndEx::UpdateCommandStates();
}

void CMainFrame::AddChild(GP::CMDIChildWndEx& frame) {
    MdiArea().addSubWindow(&frame);
    frame.show();
    UpdateTitle();
}

CImageFrame& CMainFrame::CreateImageWindow(CImageDoc& document) {
    auto* frame = new CImageFrame(document, *this, profile_);
    CImageView& view = frame->View();
    view.SetConfirmation(confirmation_);
    view.SetDocMan(manager_);
    if (imageCommands_)
        view.SetCommands(imageCommands_(view));
    for (int area = 1; area <= 7; ++area)
        if (CPatchListCtrl* list = view.GetPatchList(area))
            ConnectListMenu(*list);
    imageFrame_ = frame;
    connect(frame, &QObject::destroyed, this, [this, frame] {
        if (imageFrame_ == frame)
            imageFrame_ = nullptr;
    });
    AddChild(*frame);
    view.OnInitialUpdate();
    return *frame;
}

CFileFrame& CMainFrame::CreateFileWindow(CFileDoc& document) {
    auto* frame = new CFileFrame(document, *this, profile_);
    CFileView& view = frame->View();
    view.SetConfirmation(confirmation_);
    ConnectListMenu(view.GetPatchList());
    if (fileCommands_)
        view.SetCommands(fileCommands_(view));
    AddChild(*frame);
    view.OnInitialUpdate();
    MdiArea().setActiveSubWindow(frame);
    return *frame;
}

CImageView* CMainFrame::GetMainView() const { return imageFrame_ ? &imageFrame_->View() : nullptr; }

QList<QMdiSubWindow*> CMainFrame::DocumentFrames() const {
    QList<QMdiSubWindow*> frames;
    if (!manager_)
        return frames;
    for (IDocManDocument* document : manager_->GetDocuments()) {
        auto* mdiDocument = dynamic_cast<CMDIDocument*>(document);
        if (!mdiDocument)
            continue;
        for (IDocumentView* view : mdiDocument->GetViews()) {
            QWidget* widget = view->ViewWidget();
            auto* frame = widget ? qobject_cast<QMdiSubWindow*>(widget->parentWidget()) : nullptr;
            for (QWidget* w = widget; w && !frame; w = w->parentWidget())
                frame = qobject_cast<QMdiSubWindow*>(w);
            if (frame && !frames.contains(frame))
                frames.push_back(frame);
        }
    }
    return frames;
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    if (closeQuery_ && !closeQuery_()) {
        event->ignore();
        return;
    }
    GP::CMDIFrameWndEx::closeEvent(event);
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths.push_back(url.toLocalFile());
    event->acceptProposedAction();
    if (!paths.isEmpty())
        emit filesDropped(paths);
}
