#pragma once
// A librarian file window's view: the file's patches in one list that ends
// with an empty row, and a preview button beside each patch row.
#include "app/docs/DocumentView.h"
#include "app/ui/ViewCommands.h"
#include "views/ParamView.h"
#include "views/PatchDrag.h"
#include "views/PatchListCtrl.h"
#include "views/PreviewConfirmation.h"

#include <memory>

class CFileDoc;
class IMidiConfirmation;

class CFileView : public CParamView, public IDocumentView, public ICommandTarget, public IPreviewConfirmation,
                  public IPatchDropTarget {
    Q_OBJECT
public:
    static constexpr int kFormId = 4136;

    explicit CFileView(CFileDoc& document, QWidget* parent = nullptr);
    ~CFileView() override;

    // Null once the document has been closed.
    CFileDoc* GetDocument() const { return document_; }
    void DetachDocument();
    CPatchListCtrl& GetPatchList() { return list_; }

    void SetCommands(std::unique_ptr<IViewCommands> commands);
    IViewCommands* GetCommands() const { return commands_.get(); }
    void SetConfirmation(IMidiConfirmation* confirmation) { confirmation_ = confirmation; }

    void OnInitialUpdate();
    void OnUpdate(int hint) override;
    void ArrangeControls() override;

    bool HandlesCommand(int id) const override;
    bool IsCommandEnabled(int id) const override;
    void OnCommand(int id) override;

    bool ConfirmPreview() override;
    // Patches dropped on the list go to the window's commands.
    bool DropPatches(const CPatchDrop& drop) override;
    QWidget* ViewWidget() override { return this; }

protected:
    void Preview(int index) override;

private:
    CFileDoc* document_;  // not owned
    CPatchListCtrl list_;
    std::unique_ptr<IViewCommands> commands_;
    IMidiConfirmation* confirmation_ = nullptr;  // not owned
};
