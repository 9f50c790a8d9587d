#include "app/ui/MainFrame.h"

#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/ui/CommandTexts.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/ImageView.h"
#include "data/ParameterArray.h"
#include "engine/TransferSummary.h"
#include "toolkit/profile/VersionInfo.h"

#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QUrl>

#include <algorithm>
#include <set>

namespace {

constexpr int kIdleInterval = 250; // ms between command state updates

} // namespace

CMainFrame::CMainFrame(CLibrarianState& state, GT::IProfile& profile, QWidget* parent)
    : GP::CMDIFrameWndEx(profile, parent), state_(state), profile_(profile) {
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
    resultLabel_.setObjectName(QStringLiteral("ResultLine"));
    resultLabel_.setTextInteractionFlags(Qt::TextSelectableByMouse);
    statusBar_.addWidget(&resultLabel_, 1);
    setAcceptDrops(true);
    // A layout saved by another version of the program is not applied; the
    // tool bar then stays at its default place at the top.
    LoadBarState();
    UpdateCommandStates();
    idleTimer_.start();
    return true;
}

QAction& CMainFrame::AddAction(const CCommandRow& row) {
    const int id = row.id;
    auto action = std::make_unique<QAction>(CommandLabel(id), this);
    if (const QList<QKeySequence> keys = CommandShortcuts(id); !keys.isEmpty()) {
        action->setShortcuts(keys);
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
    for (const CCommandRow& row : CommandRows())
        if (row.id != 0)
            AddAction(row);
}

void CMainFrame::CreateMenus() {
    // The menus in menu bar order; a submenu goes into its parent where its
    // first command comes in the rows.
    std::map<CommandMenu, QMenu*> menus;
    std::map<CommandMenu, CommandMenu> parents;
    for (const CCommandMenu& entry : CommandMenus()) {
        auto menu = std::make_unique<QMenu>(CommandMenuTitle(entry.menu), this);
        menus[entry.menu] = menu.get();
        parents[entry.menu] = entry.parent;
        if (entry.parent == kMenuNone)
            menuBar()->addMenu(menu.get());
        menus_.push_back(std::move(menu));
    }
    QMenu* window = menus[kMenuWindow];
    window->addMenu(&WindowListMenu());
    window->addSeparator();

    // The patch lists' context menu takes its commands from the menus, with
    // the lines between them.
    listMenu_.setParent(this, Qt::Popup);
    bool listLine = false;
    std::set<CommandMenu> placed;
    for (const CCommandRow& row : CommandRows()) {
        QMenu* menu = row.menu == kMenuNone ? nullptr : menus[row.menu];
        if (!menu) {
            // A command of the list menu alone comes after a line.
            if (row.id != 0 && (row.places & CCommandRow::kListMenu)) {
                if (!listMenu_.isEmpty())
                    listMenu_.addSeparator();
                listMenu_.addAction(Action(row.id));
                listLine = false;
            }
            continue;
        }
        if (const CommandMenu parent = parents[row.menu]; parent != kMenuNone && placed.insert(row.menu).second)
            menus[parent]->addMenu(menu);
        if (row.id == 0) {
            menu->addSeparator();
            listLine = !listMenu_.isEmpty();
            continue;
        }
        menu->addAction(Action(row.id));
        if (row.places & CCommandRow::kListMenu) {
            if (listLine)
                listMenu_.addSeparator();
            listLine = false;
            listMenu_.addAction(Action(row.id));
        }
    }

    // The frame's own window commands follow the librarian's.
    window->addSeparator();
    for (QAction* action : {&WindowListAction(), &ResizeToFullAction(), &MaximizeHeightAction(),
                            &MaximizeWidthAction(), &SavePositionAction(), &AlwaysOnTopAction()})
        window->addAction(action);
    SetWindowListMenu(window, 0);
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
    // The tool bar's commands in menu order, a line between two menus.
    CommandMenu lastMenu = kMenuNone;
    for (const CCommandRow& row : CommandRows()) {
        if (row.id == 0 || !(row.places & CCommandRow::kToolBar))
            continue;
        if (lastMenu != kMenuNone && row.menu != lastMenu)
            toolBar_.addSeparator();
        lastMenu = row.menu;
        QAction* action = Action(row.id);
        if (!action)
            return false;
        toolBar_.addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, &toolBar_);
    return true;
}

void CMainFrame::ShowResult(const QString& text) {
    statusBar_.clearMessage();
    resultLabel_.setText(text);
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
            else
                SaveFile(*frame->Document(), id == kCmdFileSaveAs);
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

void CMainFrame::SaveFile(CFileDoc& document, bool saveAs) {
    const bool saved = saveAs ? document.DoFileSaveAs() : document.DoFileSave();
    const std::string operation = CommandTip(saveAs ? kCmdFileSaveAs : kCmdFileSave).toStdString();
    if (saved) {
        const std::size_t count = document.GetDocumentData().Patches().Size();
        ShowResult(QString::fromStdString(SavedSummary(count, document.GetTitle().toStdString())));
    } else if (manager_ && manager_->LastSaveCancelled()) {
        ShowResult(QString::fromStdString(CancelledSummary(operation)));
    } else {
        ShowResult(QString::fromStdString(FailedSummary(operation)));
    }
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
            // A label that names what the command works on now.
            const QString text = view->CommandText(id);
            const QString label = text.isEmpty() ? CommandLabel(id) : text;
            if (action->text() != label)
                action->setText(label);
        } else if (appTarget_ && appTarget_->HandlesCommand(id)) {
            enabled = appTarget_->IsCommandEnabled(id);
            checked = appTarget_->IsCommandChecked(id);
        }
        action->setEnabled(enabled);
        action->setCheckable(checked);
        action->setChecked(checked);
    }
    if (auto* windowView = dynamic_cast<CWindowView*>(view))
        windowView->OnIdleUpdate();
    GP::CMDIFrameWndEx::UpdateCommandStates();
}

void CMainFrame::AddChild(GP::CMDIChildWndEx& frame) {
    MdiArea().addSubWindow(&frame);
    frame.OnAddedToArea();
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
