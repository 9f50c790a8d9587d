#include "app/ui/ImageFrame.h"

#include "app/docs/ImageDoc.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMenu>

CImageFrame::CImageFrame(CImageDoc& document, CMainFrame& mainFrame, GT::IProfile& profile)
    : CChildFrame(kPositionIndex, mainFrame, profile), document_(document),
      view_(new CImageView(document, mainFrame.LibrarianState(), this)) {
    setWidget(view_);
    setWindowTitle(tr("Main"));
    ApplyTitleBar();
    if (QMenu* menu = systemMenu()) {
        const QString closeText = QMdiSubWindow::tr("&Close");
        for (QAction* action : menu->actions())
            if (action->text() == closeText || action->shortcut() == QKeySequence(QKeySequence::Close))
                action->setEnabled(false);
    }
}

CImageFrame::~CImageFrame() = default;

void CImageFrame::ApplyTitleBar() {
    // No close button, and Close greyed in the window menu: the main window
    // stays for the whole run. The title bar draws a close button wherever
    // it has a system menu, so the main window has neither.
    const Qt::WindowFlags flags =
        Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowMinMaxButtonsHint;
    if (windowFlags() != flags)
        setWindowFlags(flags);
}

void CImageFrame::ForceClose() {
    closing_ = true;
    close();
}

QRect CImageFrame::DefaultGeometry() const {
    const QMdiArea* area = mdiArea();
    return area ? area->viewport()->rect() : CChildFrame::DefaultGeometry();
}

void CImageFrame::closeEvent(QCloseEvent* event) {
    if (!closing_) {
        event->ignore();
        return;
    }
    CChildFrame::closeEvent(event);
}
