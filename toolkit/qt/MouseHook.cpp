#include "toolkit/qt/MouseHook.h"

#include "toolkit/qt/EditListCtrl.h"

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace GP {

CMouseHook& CMouseHook::Instance() {
    static CMouseHook hook;
    return hook;
}

void CMouseHook::Install(CEditListCtrl& list) {
    CMouseHook& hook = Instance();
    if (!hook.list_ && qApp)
        qApp->installEventFilter(&hook);
    hook.list_ = &list;
}

void CMouseHook::Remove(CEditListCtrl& list) {
    CMouseHook& hook = Instance();
    if (hook.list_ != &list)
        return;
    hook.list_ = nullptr;
    if (qApp)
        qApp->removeEventFilter(&hook);
}

CEditListCtrl* CMouseHook::EditingList() { return Instance().list_; }

bool CMouseHook::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (type != QEvent::MouseButtonPress && type != QEvent::NonClientAreaMouseButtonPress &&
        type != QEvent::MouseButtonDblClick)
        return false;
    // Widgets only: the same press also passes their native window first.
    if (!list_ || !watched->isWidgetType())
        return false;
    const Qt::MouseButton button = static_cast<QMouseEvent*>(event)->button();
    if (button != Qt::LeftButton && button != Qt::RightButton)
        return false;
    return list_->OnHookedPress(static_cast<QWidget*>(watched), button);
}

} // namespace GP
