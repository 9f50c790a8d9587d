#include "toolkit/qt/MDIFrameWndEx.h"

#include "toolkit/profile/VersionInfo.h"
#include "toolkit/qt/MDIChildWndEx.h"
#include "toolkit/qt/ResizeDlgRect.h"
#include "toolkit/qt/WindowListDlg.h"

#include <QCloseEvent>
#include <QCursor>
#include <QGuiApplication>
#include <QScreen>
#include <QKeySequence>
#include <QMdiSubWindow>

#include <algorithm>

namespace GP {
namespace {

constexpr const char* kPositionPath = "Window/Position";
constexpr const char* kMaximizedPath = "Window/Maximized";
constexpr const char* kVersionPath = "Version/FileVersion";
constexpr const char* kBarStatePath = "ControlBar/State";
const QRect kDefaultFrameRect(0, 0, 800, 600);
// Share of the screen's width and height a frame takes on its first run.
constexpr int kFirstRunPercent = 80;

} // namespace

QRect FirstRunFrameRect(const QRect& available) {
    if (!available.isValid())
        return kDefaultFrameRect;
    QRect rect(0, 0, available.width() * kFirstRunPercent / 100, available.height() * kFirstRunPercent / 100);
    rect.moveCenter(available.center());
    return rect;
}

CMDIFrameWndEx::CMDIFrameWndEx(GT::IProfile& profile, QWidget* parent)
    : QMainWindow(parent), profile_(profile), windowListMenu_(this), windowListAction_(this), popupAction_(this),
      resizeToFullAction_(this), maximizeHeightAction_(this), maximizeWidthAction_(this), savePositionAction_(this),
      alwaysOnTopAction_(this) {
    setCentralWidget(&mdiArea_);
    // A window left beyond the edge of a frame made small is scrolled to,
    // never lost.
    mdiArea_.setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_.setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    windowListMenu_.setTitle(tr("&Windows"));
    SetUpActions();
    connect(&mdiArea_, &QMdiArea::subWindowActivated, this, &CMDIFrameWndEx::UpdateCommandStates);
    RestorePlacement();
    UpdateCommandStates();
}

CMDIFrameWndEx::~CMDIFrameWndEx() {
    const QRect normal = normalGeometry().isValid() ? normalGeometry() : geometry();
    profile_.WriteString(kPositionPath, FormatEdges(normal));
}

void CMDIFrameWndEx::SetUpActions() {
    windowListAction_.setText(tr("Window List"));
    windowListAction_.setStatusTip(tr("Setup window list"));
    connect(&windowListAction_, &QAction::triggered, this, &CMDIFrameWndEx::ShowWindowListDialog);

    popupAction_.setText(tr("Popup window go menu(only for Accel)"));
    popupAction_.setShortcut(QKeySequence(Qt::CTRL | Qt::Key_G));
    popupAction_.setShortcutContext(Qt::WindowShortcut);
    connect(&popupAction_, &QAction::triggered, this, &CMDIFrameWndEx::PopupWindowListMenu);
    addAction(&popupAction_);

    resizeToFullAction_.setText(tr("Resize to Full"));
    resizeToFullAction_.setStatusTip(tr("Resize the window to full"));
    connect(&resizeToFullAction_, &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild())
            child->ResizeToFull();
    });
    maximizeHeightAction_.setText(tr("Maximize Height"));
    maximizeHeightAction_.setStatusTip(tr("Maximize window height"));
    connect(&maximizeHeightAction_, &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild())
            child->MaximizeHeight();
    });
    maximizeWidthAction_.setText(tr("Maximize Width"));
    maximizeWidthAction_.setStatusTip(tr("Maximize window width"));
    connect(&maximizeWidthAction_, &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild())
            child->MaximizeWidth();
    });
    savePositionAction_.setText(tr("Save Current Position"));
    savePositionAction_.setStatusTip(tr("Save current position"));
    connect(&savePositionAction_, &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild())
            child->SaveCurrentPosition();
    });
    alwaysOnTopAction_.setText(tr("Always at the Top"));
    alwaysOnTopAction_.setStatusTip(tr("Always place the window at the top"));
    alwaysOnTopAction_.setCheckable(true);
    connect(&alwaysOnTopAction_, &QAction::triggered, this, [this] {
        if (auto* child = ActiveChild())
            child->ToggleAlwaysOnTop();
        UpdateCommandStates();
    });
}

void CMDIFrameWndEx::RestorePlacement() {
    // Until the frame has been placed once, it takes a fair part of the
    // screen, centred on it.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect firstRun = FirstRunFrameRect(screen ? screen->availableGeometry() : QRect());
    const auto stored = ParseEdges(profile_.GetString(kPositionPath, ""));
    setGeometry(stored && stored->isValid() ? *stored : firstRun);
    // The normal rectangle stays what was stored; the frame opens maximized.
    if (profile_.GetInt(kMaximizedPath, 0) != 0)
        setWindowState(windowState() | Qt::WindowMaximized);
}

void CMDIFrameWndEx::closeEvent(QCloseEvent* event) {
    profile_.WriteInt(kMaximizedPath, isMaximized() ? 1 : 0);
    profile_.WriteString(kVersionPath, UL::GetVersionString("FileVersion"));
    SaveBarState();
    QMainWindow::closeEvent(event);
}

bool CMDIFrameWndEx::LoadBarState() {
    if (UL::IsProfileVersionChanged(profile_))
        return false;
    const std::string stored = profile_.GetString(kBarStatePath, "");
    if (stored.empty())
        return false;
    return restoreState(QByteArray::fromBase64(QByteArray::fromStdString(stored)));
}

void CMDIFrameWndEx::SaveBarState() { profile_.WriteString(kBarStatePath, saveState().toBase64().toStdString()); }

QList<QMdiSubWindow*> CMDIFrameWndEx::DocumentFrames() const { return {}; }

SWindowList CMDIFrameWndEx::ListWindows() const {
    SWindowList list;
    const QList<QMdiSubWindow*> frames = DocumentFrames();
    if (!frames.isEmpty()) {
        for (QMdiSubWindow* frame : frames)
            if (frame != nullptr && !list.windows.contains(frame))
                list.windows.append(frame);
    } else {
        // Top of the Z order first, then by title; equal titles keep it.
        // A closed window that is kept (not deleted) is hidden; it is not listed.
        QList<QMdiSubWindow*> stacked = mdiArea_.subWindowList(QMdiArea::StackingOrder);
        stacked.removeIf([](const QMdiSubWindow* window) { return window->isHidden(); });
        std::reverse(stacked.begin(), stacked.end());
        std::stable_sort(stacked.begin(), stacked.end(), [](const QMdiSubWindow* a, const QMdiSubWindow* b) {
            return WindowListTitle(*a).toLocal8Bit() < WindowListTitle(*b).toLocal8Bit();
        });
        list.windows = stacked;
    }
    list.active = static_cast<int>(list.windows.indexOf(mdiArea_.activeSubWindow()));
    return list;
}

void CMDIFrameWndEx::SetWindowListMenu(QMenu* windowMenu, int position) {
    if (windowMenu_ != nullptr)
        windowMenu_->removeAction(windowListMenu_.menuAction());
    disconnect(windowMenuShown_);
    windowMenu_ = windowMenu;
    if (windowMenu == nullptr || position < 0)
        return;
    const QList<QAction*> actions = windowMenu->actions();
    QAction* before = position < actions.size() ? actions[position] : nullptr;
    if (before != nullptr && before->menu() != nullptr) {
        // A submenu placed there by the menu's author: ours takes its text
        // and its place.
        windowListMenu_.setTitle(before->text());
        QAction* after = position + 1 < actions.size() ? actions[position + 1] : nullptr;
        windowMenu->removeAction(before);
        before = after;
    }
    windowMenu->insertAction(before, windowListMenu_.menuAction());
    windowMenuShown_ = connect(windowMenu, &QMenu::aboutToShow, this, [this] {
        RebuildWindowListMenu();
        UpdateCommandStates();
    });
}

void CMDIFrameWndEx::RebuildWindowListMenu() {
    windowListMenu_.clear();
    const SWindowList list = ListWindows();
    const int count = std::min(static_cast<int>(list.windows.size()), kMaxMenuWindows);
    for (int i = 0; i < count; ++i) {
        QAction* action = windowListMenu_.addAction(WindowMenuLabel(i) + QLatin1Char('\t') +
                                                    EscapeMenuText(WindowListTitle(*list.windows[i])));
        action->setStatusTip(tr("Move this window to top"));
        action->setCheckable(true);
        action->setChecked(i == list.active);
        connect(action, &QAction::triggered, this, [this, i] { ActivateListedWindow(i); });
    }
}

void CMDIFrameWndEx::PopupWindowListMenu() {
    RebuildWindowListMenu();
    if (!windowListMenu_.isEmpty())
        windowListMenu_.popup(QCursor::pos());
}

void CMDIFrameWndEx::ActivateListedWindow(int index) {
    const SWindowList list = ListWindows();
    if (index < 0 || index >= list.windows.size())
        return;
    QMdiSubWindow* window = list.windows[index];
    if (window->isMinimized())
        window->showNormal();
    mdiArea_.setActiveSubWindow(window);
}

void CMDIFrameWndEx::ShowWindowListDialog() {
    CWindowListDlg dialog(*this, profile_);
    dialog.exec();
}

CMDIChildWndEx* CMDIFrameWndEx::ActiveChild() const {
    return qobject_cast<CMDIChildWndEx*>(mdiArea_.activeSubWindow());
}

void CMDIFrameWndEx::UpdateCommandStates() {
    const CMDIChildWndEx* child = ActiveChild();
    const bool resizable = child != nullptr && child->CanResize();
    resizeToFullAction_.setEnabled(resizable);
    maximizeHeightAction_.setEnabled(resizable);
    maximizeWidthAction_.setEnabled(resizable);
    savePositionAction_.setEnabled(child != nullptr);
    alwaysOnTopAction_.setEnabled(child != nullptr && child->CanStayOnTop());
    alwaysOnTopAction_.setChecked(child != nullptr && child->IsAlwaysOnTop());
}

void CMDIFrameWndEx::TileHorizontally() { Tile(Qt::Horizontal); }

void CMDIFrameWndEx::TileVertically() { Tile(Qt::Vertical); }

void CMDIFrameWndEx::Tile(Qt::Orientation orientation) {
    QList<QMdiSubWindow*> windows;
    int minimizedRow = 0;
    for (QMdiSubWindow* window : ListWindows().windows) {
        if (window->isMinimized())
            minimizedRow = std::max(minimizedRow, window->height());
        else if (!window->isHidden())
            windows.append(window);
    }
    if (windows.isEmpty())
        return;
    // The row of minimized windows stays uncovered.
    QRect area = mdiArea_.viewport()->rect();
    area.setHeight(std::max(0, area.height() - minimizedRow));
    const int count = static_cast<int>(windows.size());
    for (int i = 0; i < count; ++i) {
        QMdiSubWindow* window = windows[i];
        if (window->isMaximized())
            window->showNormal();
        if (orientation == Qt::Horizontal) {
            const int top = area.y() + area.height() * i / count;
            const int bottom = area.y() + area.height() * (i + 1) / count;
            window->setGeometry(area.x(), top, area.width(), bottom - top);
        } else {
            const int left = area.x() + area.width() * i / count;
            const int right = area.x() + area.width() * (i + 1) / count;
            window->setGeometry(left, area.y(), right - left, area.height());
        }
    }
}

} // namespace GP
