#include "app/ui/ChildFrame.h"

#include "app/core/Settings.h"
#include "app/ui/MainFrame.h"

#include <QContextMenuEvent>
#include <QStyle>
#include <QStyleOptionTitleBar>

CChildFrame::CChildFrame(int positionIndex, CMainFrame& mainFrame, GT::IProfile& profile)
    : GP::CMDIChildWndEx(positionIndex, profile), mainFrame_(mainFrame) {
    connect(this, &QWidget::windowTitleChanged, this, &CChildFrame::UpdateMainTitle);
}

CChildFrame::~CChildFrame() = default;

bool CChildFrame::RestoresPosition() const { return GetPositionMode() == 2; }

void CChildFrame::UpdateMainTitle() { mainFrame_.UpdateTitle(); }

void CChildFrame::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
    if (event->reason() != QContextMenuEvent::Mouse || isMaximized())
        return;
    QStyleOptionTitleBar option;
    option.initFrom(this);
    const int captionHeight = style()->pixelMetric(QStyle::PM_TitleBarHeight, &option, this);
    if (event->pos().y() < captionHeight)
        mainFrame_.PopupWindowListMenu();
}
