#include "app/ui/FileFrame.h"

#include "app/docs/FileDoc.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/MainFrame.h"

#include <QCloseEvent>
#include <QMdiArea>

#include <algorithm>

CFileFrame::CFileFrame(CFileDoc& document, CMainFrame& mainFrame, GT::IProfile& profile)
    : CChildFrame(kPositionIndex, mainFrame, profile),
      view_(new CFileView(document, mainFrame.LibrarianState(), this)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(view_);
    connect(&document, &CMDIDocument::titleChanged, this, &CFileFrame::UpdateTitle);
    UpdateTitle();
}

CFileFrame::~CFileFrame() = default;

QString CFileFrame::FormatTitle(const QString& documentTitle, bool modified) {
    return QStringLiteral("%1 %2").arg(documentTitle, modified ? QStringLiteral("*") : QString());
}

CFileDoc* CFileFrame::Document() const { return view_->GetDocument(); }

void CFileFrame::UpdateTitle() {
    if (CFileDoc* document = Document())
        setWindowTitle(FormatTitle(document->GetTitle(), document->IsModified()));
}

void CFileFrame::closeEvent(QCloseEvent* event) {
    CFileDoc* document = Document();
    if (document && !document->SaveModified()) {
        event->ignore();
        return;
    }
    CChildFrame::closeEvent(event);
    if (!event->isAccepted() || !document)
        return;
    disconnect(document, nullptr, this, nullptr);
    view_->DetachDocument();
    // The document's template may delete it now.
    document->OnCloseDocument();
}

QMdiSubWindow* CFileFrame::StandingMainWindow() const {
    CImageFrame* main = MainFrame().GetImageFrame();
    if (main == nullptr || main->mdiArea() != mdiArea() || !main->isVisible() || main->isMinimized() ||
        main->isMaximized())
        return nullptr;
    return main;
}

// A main window that fills most of the area gives up its right half to the
// file windows when one opens without a saved position.
void CFileFrame::BeforeDefaultPlacement() {
    QMdiSubWindow* main = StandingMainWindow();
    if (main == nullptr)
        return;
    const QRect usable = UsableArea();
    const int half = usable.left() + usable.width() / 2;
    QRect rect = main->geometry();
    if (rect.left() >= half || rect.right() < half)
        return;
    rect.setRight(std::max(half - 1, rect.left() + main->minimumSizeHint().width()));
    main->setGeometry(rect);
}

QRect CFileFrame::DefaultGeometry() const {
    const QMdiSubWindow* main = StandingMainWindow();
    const QRect usable = UsableArea();
    if (main == nullptr)
        return CChildFrame::DefaultGeometry();
    QRect beside = usable;
    beside.setLeft(main->geometry().right() + 1);
    const QSize minimum = widget() != nullptr ? widget()->minimumSizeHint() : QSize();
    if (beside.width() < std::max(minimum.width(), usable.width() / 4))
        return CChildFrame::DefaultGeometry();
    // Room for three windows cascading, and the whole height less that.
    const int step = std::max(1, MinimizedHeight());
    const QSize size(std::max(beside.width() - 2 * step, minimum.width()),
                     std::max(beside.height() - 2 * step, minimum.height()));
    return CascadedIn(beside, size);
}
