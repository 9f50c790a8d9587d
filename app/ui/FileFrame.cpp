#include "app/ui/FileFrame.h"

#include "app/docs/FileDoc.h"
#include "app/ui/FileView.h"
#include "app/ui/MainFrame.h"

#include <QCloseEvent>

CFileFrame::CFileFrame(CFileDoc& document, CMainFrame& mainFrame, GT::IProfile& profile)
    : CChildFrame(kPositionIndex, mainFrame, profile), view_(new CFileView(document, mainFrame.LibrarianState(), this)) {
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
