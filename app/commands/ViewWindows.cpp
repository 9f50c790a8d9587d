#include "app/commands/ViewWindows.h"

#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/docman/DocMan.h"
#include "app/ui/DocTemplates.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"

CParameterListCtrl* CImageViewWindow::GetList() const { return view_.GetShownList(); }

CDocumentBase* CImageViewWindow::GetData() const { return &view_.GetDocument().GetDocumentData(); }

void CImageViewWindow::RebuildPreviewButtons() { view_.RebuildPreviewButtons(); }

void CImageViewWindow::UpdateViews(int hint) { view_.GetDocument().UpdateAllViews(nullptr, hint); }

QWidget* CImageViewWindow::GetDialogParent() const { return view_.window(); }

namespace {

// The frame's status bar shows what the command in the view did.
void ShowFrameStatus(QWidget& view, const std::string& text) {
    if (auto* frame = qobject_cast<CMainFrame*>(view.window()))
        frame->ShowResult(QString::fromStdString(text));
}

} // namespace

void CImageViewWindow::ShowStatus(const std::string& text) { ShowFrameStatus(view_, text); }

CParameterListCtrl* CFileViewWindow::GetList() const { return &view_.GetPatchList(); }

CDocumentBase* CFileViewWindow::GetData() const {
    CFileDoc* document = view_.GetDocument();
    return document ? &document->GetDocumentData() : nullptr;
}

void CFileViewWindow::SetModified() {
    if (CFileDoc* document = view_.GetDocument())
        document->SetModifiedFlag(true);
}

void CFileViewWindow::RebuildPreviewButtons() { view_.RebuildPreviewButtons(); }

void CFileViewWindow::UpdateViews(int hint) {
    if (CFileDoc* document = view_.GetDocument())
        document->UpdateAllViews(nullptr, hint);
}

QWidget* CFileViewWindow::GetDialogParent() const { return view_.window(); }

void CFileViewWindow::ShowStatus(const std::string& text) { ShowFrameStatus(view_, text); }

std::string CFileViewWindow::GetTitle() const {
    CFileDoc* document = view_.GetDocument();
    return document ? document->GetTitle().toStdString() : std::string();
}

ICommandWindow* CDocManWindows::OpenUntitledFileWindow() {
    opened_.reset();
    auto* files = dynamic_cast<CFileDocTemplate*>(manager_.GetTemplate(CDocMan::kFileTemplateId));
    CFileDoc* document = files ? files->OpenFileDoc(QString()) : nullptr;
    if (!document)
        return nullptr;
    for (IDocumentView* view : document->GetViews()) {
        if (auto* fileView = dynamic_cast<CFileView*>(view)) {
            opened_ = std::make_unique<CFileViewWindow>(*fileView);
            return opened_.get();
        }
    }
    return nullptr;
}

void CDocManWindows::UpdateAllViews(int hint) {
    for (int templateId : {CDocMan::kImageTemplateId, CDocMan::kFileTemplateId}) {
        const CDocTemplateBase* documents = manager_.GetTemplate(templateId);
        if (!documents)
            continue;
        for (IDocManDocument* document : documents->GetDocuments())
            if (auto* mdiDocument = dynamic_cast<CMDIDocument*>(document))
                mdiDocument->UpdateAllViews(nullptr, hint);
    }
}
