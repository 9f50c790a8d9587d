#include "app/ui/FileView.h"

#include "app/core/LibrarianState.h"
#include "app/docs/FileDoc.h"
#include "app/docs/UpdateHints.h"
#include "app/ui/ListFontQt.h"
#include "app/ui/ViewLayout.h"

#include <QResizeEvent>

CFileView::CFileView(CFileDoc& document, CLibrarianState& state, QWidget* parent)
    : CWindowView(kFormId, QSize(315, 40), parent), document_(&document), font_(state.GetListFont()),
      list_(1, true, this) {
    SetGridSetting(&state);
    list_.SetPatchClipboard(&state);
    list_.SetDocument(&document.GetDocumentData());
    list_.SetDropTarget(this);
    // An edit in the list changes the file.
    connect(&list_, &CParameterListCtrl::modified, this, [this] {
        if (document_)
            document_->SetModifiedFlag(true);
    });
    // A document deleted under the view (at shutdown) is only forgotten.
    connect(&document, &QObject::destroyed, this, [this] {
        document_ = nullptr;
        list_.SetDocument(nullptr);
        list_.SetPatchArray(nullptr);
    });
    document.AddView(this);
}

CFileView::~CFileView() {
    DetachDocument();
    SetListCtrl(nullptr);
}

void CFileView::DetachDocument() {
    if (!document_)
        return;
    disconnect(document_, nullptr, this, nullptr);
    document_->RemoveView(this);
    document_ = nullptr;
    list_.SetDocument(nullptr);
}

void CFileView::OnInitialUpdate() {
    if (document_)
        list_.SetPatchArray(&document_->GetDocumentData().GetArray(1));
    OnUpdate(kHintContents);
}

void CFileView::OnUpdate(int hint) {
    setUpdatesEnabled(false);
    if (hint == kHintFont)
        list_.SaveColumnWidths();
    SetListCtrl(nullptr);
    ApplyListFont(list_, font_);
    ArrangeControls();
    SetListCtrl(&list_);
    list_.FillColumns();
    list_.Refresh(false, 0);
    RebuildPreviewButtons();
    setUpdatesEnabled(true);
    update();
}

void CFileView::ArrangeControls() {
    list_.setGeometry(CViewLayout(*this).Stretched(25, 8, 315 - 306, 40 - 33));
    RebuildPreviewButtons();
}
