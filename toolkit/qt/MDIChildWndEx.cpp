#include "toolkit/qt/MDIChildWndEx.h"

#include "toolkit/qt/ResizeDlgRect.h"

#include <QEvent>
#include <QMdiArea>

#include <algorithm>
#include <QStyle>
#include <QStyleOptionTitleBar>

namespace GP {
namespace {

const std::string kDefaultPlacement =
    std::to_string(kDefaultPositionValue) + ',' + std::to_string(kDefaultPositionValue) + ",0,0";

} // namespace

CMDIChildWndEx::CMDIChildWndEx(int slot, GT::IProfile& profile, QWidget* parent)
    : QMdiSubWindow(parent), slot_(slot), profile_(profile) {}

CMDIChildWndEx::~CMDIChildWndEx() = default;

QString CMDIChildWndEx::GetTitle() const { return windowTitle(); }

bool CMDIChildWndEx::RestoresPosition() const { return true; }

bool CMDIChildWndEx::CanStayOnTop() const { return false; }

std::string CMDIChildWndEx::PositionPath() const { return "Window/Position" + std::to_string(slot_); }

bool CMDIChildWndEx::CanResize() const { return !isMinimized() && !isMaximized() && mdiArea() != nullptr; }

int CMDIChildWndEx::MinimizedHeight() const {
    QStyleOptionTitleBar option;
    option.initFrom(this);
    const int title = style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this);
    const int frame = style()->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this);
    return title + 2 * frame;
}

QRect CMDIChildWndEx::UsableArea() const {
    const QMdiArea* area = mdiArea();
    if (area == nullptr)
        return {};
    QRect usable = area->viewport()->rect();
    usable.setHeight(std::max(0, usable.height() - MinimizedHeight()));
    return usable;
}

void CMDIChildWndEx::ResizeToFull() {
    if (CanResize())
        setGeometry(UsableArea());
}

void CMDIChildWndEx::MaximizeHeight() {
    if (!CanResize())
        return;
    const QRect usable = UsableArea();
    setGeometry(x(), usable.y(), width(), usable.height());
}

void CMDIChildWndEx::MaximizeWidth() {
    if (!CanResize())
        return;
    const QRect usable = UsableArea();
    setGeometry(usable.x(), y(), usable.width(), height());
}

bool CMDIChildWndEx::SaveCurrentPosition() {
    // A minimized or maximized window is saved at the rectangle it returns to.
    const QRect normal = isMinimized() || isMaximized() ? normalGeometry() : geometry();
    return profile_.WriteString(PositionPath(), FormatPlacement(normal));
}

void CMDIChildWndEx::ToggleAlwaysOnTop() {
    if (!CanStayOnTop())
        return;
    alwaysOnTop_ = !alwaysOnTop_;
    raise();
}

void CMDIChildWndEx::showEvent(QShowEvent* event) {
    if (!shownOnce_) {
        shownOnce_ = true;
        // A window left to the MDI area would open at the size of its
        // caption: it gets a usable size instead.
        if (!(RestoresPosition() && RestorePosition()) && mdiArea() != nullptr && !isMaximized()) {
            BeforeDefaultPlacement();
            setGeometry(DefaultGeometry());
        }
    }
    QMdiSubWindow::showEvent(event);
}

bool CMDIChildWndEx::event(QEvent* event) {
    const bool handled = QMdiSubWindow::event(event);
    if (event->type() == QEvent::ZOrderChange)
        StayBelowTopWindows();
    return handled;
}

void CMDIChildWndEx::StayBelowTopWindows() {
    // A window that stays on top may go anywhere; so may a maximized one,
    // which covers the others anyway.
    if (alwaysOnTop_ || isMaximized() || ordering_ || parentWidget() == nullptr)
        return;
    ordering_ = true;
    const QObjectList siblings = parentWidget()->children();
    for (QObject* object : siblings) {
        auto* sibling = qobject_cast<CMDIChildWndEx*>(object);
        if (sibling != nullptr && sibling != this && sibling->IsAlwaysOnTop())
            sibling->raise();
    }
    ordering_ = false;
}

bool CMDIChildWndEx::RestorePosition() {
    // The default, a rectangle without area or one no screen could show
    // leaves the placement to DefaultGeometry.
    const auto stored = ParsePlacement(profile_.GetString(PositionPath(), kDefaultPlacement));
    if (!stored || stored->isEmpty())
        return false;
    setGeometry(*stored);
    return true;
}

QSize CMDIChildWndEx::InitialSize() const {
    const QRect usable = UsableArea();
    const QSize minimum = widget() != nullptr ? widget()->minimumSizeHint() : QSize();
    return QSize(std::max(usable.width() * 2 / 3, minimum.width()),
                 std::max(usable.height() * 2 / 3, minimum.height()));
}

QRect CMDIChildWndEx::DefaultGeometry() const {
    const QRect usable = UsableArea();
    return CascadedIn(usable, InitialSize().boundedTo(usable.size()));
}

QRect CMDIChildWndEx::CascadedIn(const QRect& region, QSize size) const {
    size = size.boundedTo(region.size());
    int open = 0;
    if (const QMdiArea* area = mdiArea())
        for (const QMdiSubWindow* other : area->subWindowList())
            if (other != this && other->isVisible() && !other->isMinimized() && !other->isMaximized() &&
                region.contains(other->geometry().topLeft()))
                ++open;
    const int step = std::max(1, MinimizedHeight());
    const int room = std::min(region.width() - size.width(), region.height() - size.height());
    const int places = std::max(1, room / step + 1);
    const int offset = (open % places) * step;
    return QRect(region.topLeft() + QPoint(offset, offset), size);
}

} // namespace GP
