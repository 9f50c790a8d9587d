#include "app/docs/MDIDocument.h"

#include "app/docs/DocumentView.h"
#include "toolkit/core/TextDialog.h"

#include <QFileInfo>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QWidget>

#include <algorithm>

CMDIDocument::CMDIDocument(int templateId, QObject* parent)
    : QObject(parent), templateId_(templateId), title_(tr("Untitled")) {}

CMDIDocument::~CMDIDocument() = default;

void CMDIDocument::SetTitle(const QString& title) {
    if (title_ == title)
        return;
    title_ = title;
    emit titleChanged();
}

void CMDIDocument::SetPathName(const QString& path) {
    pathName_ = path;
    title_ = QFileInfo(path).fileName();
    emit titleChanged();
}

void CMDIDocument::SetModifiedFlag(bool modified) {
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit titleChanged();
}

void CMDIDocument::AddView(IDocumentView* view) {
    if (view && std::find(views_.begin(), views_.end(), view) == views_.end())
        views_.push_back(view);
}

void CMDIDocument::RemoveView(IDocumentView* view) { std::erase(views_, view); }

void CMDIDocument::UpdateAllViews(IDocumentView* except, int hint) {
    // A view may go away while another one updates; work on a copy.
    const std::vector<IDocumentView*> views = views_;
    for (IDocumentView* view : views)
        if (view != except && std::find(views_.begin(), views_.end(), view) != views_.end())
            view->OnUpdate(hint);
}

bool CMDIDocument::OnNewDocument() {
    pathName_.clear();
    SetModifiedFlag(false);
    return true;
}

bool CMDIDocument::OnOpenDocument(const QString&) {
    SetModifiedFlag(false);
    return true;
}

bool CMDIDocument::OnSaveDocument(const QString&) { return false; }

void CMDIDocument::OnCloseDocument() {
    views_.clear();
    if (closeHandler_) {
        // The handler may delete this document.
        auto handler = closeHandler_;
        handler(*this);
    }
}

bool CMDIDocument::DoFileSave() { return docMan_ && docMan_->DoSave(*this, false); }

bool CMDIDocument::DoFileSaveAs() { return docMan_ && docMan_->DoSave(*this, true); }

bool CMDIDocument::SaveModified() {
    if (!modified_)
        return true;
    const QString question = tr("Save changes to %1?").arg(title_);
    switch (UL::GetTextDialog().Show(question.toStdString(), UL::kButtonsYesNoCancel, UL::kIconExclamation)) {
    case UL::kResultYes:
        return DoFileSave();
    case UL::kResultNo:
        return true;
    default:
        return false;
    }
}

void CMDIDocument::ActivateFrame() {
    if (views_.empty() || !views_.front()->ViewWidget())
        return;
    QWidget* widget = views_.front()->ViewWidget();
    for (QWidget* w = widget; w; w = w->parentWidget()) {
        if (auto* frame = qobject_cast<QMdiSubWindow*>(w)) {
            if (frame->isMinimized())
                frame->showNormal();
            if (QMdiArea* area = frame->mdiArea())
                area->setActiveSubWindow(frame);
            return;
        }
    }
    widget->activateWindow();
}
