#pragma once
// A librarian file window's view: the file's patches in one list that ends
// with an empty row, and a preview button beside each patch row.
#include "app/ui/WindowView.h"
#include "views/PatchListCtrl.h"

class CFileDoc;
class CLibrarianState;

struct CFontEx;

class CFileView : public CWindowView {
    Q_OBJECT
public:
    static constexpr int kFormId = 4136;

    // state: the grid setting, the patch clipboard and the font of the list
    // (not owned).
    CFileView(CFileDoc& document, CLibrarianState& state, QWidget* parent = nullptr);
    ~CFileView() override;

    // Null once the document has been closed.
    CFileDoc* GetDocument() const { return document_; }
    void DetachDocument();
    CPatchListCtrl& GetPatchList() { return list_; }

    void OnInitialUpdate();
    void OnUpdate(int hint) override;
    void ArrangeControls() override;

private:
    CFileDoc* document_;  // not owned
    const CFontEx& font_; // not owned
    CPatchListCtrl list_;
};
