#pragma once
// The windows an MDI frame lists in its window menu, its Ctrl+G pop-up and
// its window list dialog, with their one-key labels "&0".."&9", "&A".."&Z".
#include <QList>
#include <QString>

class QMdiSubWindow;

namespace GP {

inline constexpr int kMaxMenuWindows = 36;

struct SWindowList {
    QList<QMdiSubWindow*> windows; // not owned
    int active = -1;               // index of the active window, -1 if none
};

// The label of the n-th menu entry ("&0".."&Z"); empty beyond the 36th.
QString WindowMenuLabel(int index);

// The title a list shows for a window: GetTitle of a toolkit child window,
// else the window title.
QString WindowListTitle(const QMdiSubWindow& window);

// A title made safe for a menu: '&' would otherwise become a mnemonic.
QString EscapeMenuText(QString text);

} // namespace GP
