#include "app/ui/WindowView.h"

#include "app/ui/CommandIds.h"
#include "engine/dialogs/MidiWarningDlg.h"

CWindowView::CWindowView(int formId, QSize formUnits, QWidget* parent) : CParamView(formId, formUnits, parent) {
    SetPreviewConfirmation(this);
}

CWindowView::~CWindowView() = default;

void CWindowView::SetCommands(std::unique_ptr<IViewCommands> commands) { commands_ = std::move(commands); }

bool CWindowView::HandlesCommand(int id) const {
    return id == kCmdSetUpGrid || (commands_ && commands_->HandlesCommand(id));
}

bool CWindowView::IsCommandEnabled(int id) const {
    if (id == kCmdSetUpGrid)
        return true;
    return commands_ && commands_->IsCommandEnabled(id);
}

void CWindowView::OnCommand(int id) {
    if (id == kCmdSetUpGrid)
        OnSetUpGrid();
    else if (commands_)
        commands_->OnCommand(id);
}

QString CWindowView::CommandText(int id) const { return commands_ ? commands_->CommandText(id) : QString(); }

void CWindowView::OnIdleUpdate() {
    if (commands_)
        commands_->OnIdleUpdate();
}

bool CWindowView::ConfirmPreview(int index) {
    return confirmation_ &&
           confirmation_->Confirm(kWarnWriteTemporary, commands_ ? commands_->PreviewQuestion(index) : std::string());
}

void CWindowView::Preview(int index) {
    if (commands_)
        commands_->PreviewSend(index);
}

bool CWindowView::DropPatches(const CPatchDrop& drop) { return commands_ && commands_->DropPatches(drop); }
