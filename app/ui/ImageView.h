#pragma once
// The main window's view: the area selector, the unit's Read and Write
// buttons, the preview buttons and one patch list per area, of which the
// current area's is shown. Choosing another area switches every window to it
// and empties the patch clipboard: patches copied in one area cannot be
// pasted into another.
#include "app/ui/ComboBoxA.h"
#include "app/ui/WindowView.h"
#include "views/PatchListCtrl.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include <array>
#include <memory>

class CImageDoc;
class CDocMan;
class CLibrarianState;

class CImageView : public CWindowView {
    Q_OBJECT
public:
    static constexpr int kFormId = 4111;
    static constexpr int kAreaSelectorId = 4291;

    // state: the current area, the patch clipboard and the grid setting of
    // the lists (not owned).
    CImageView(CImageDoc& document, CLibrarianState& state, QWidget* parent = nullptr);
    ~CImageView() override;

    CImageDoc& GetDocument() const { return document_; }
    // The patch list of area 1..7, or nullptr for another number.
    CPatchListCtrl* GetPatchList(int areaNumber) const;
    // The list shown now: the current area's.
    CPatchListCtrl* GetShownList() const;
    CComboBoxA& GetAreaSelector() { return areaSelector_; }
    // One of the four buttons by its id (4267..4270), or nullptr.
    QPushButton* GetCommandButton(int buttonId);

    // For "every window" updates (not owned).
    void SetDocMan(CDocMan* manager) { manager_ = manager; }

    // Shows the document: every area's list gets its array, the selector its
    // items and the current area.
    void OnInitialUpdate();
    // hint 0: contents changed, 1: area switched, 2: font changed.
    void OnUpdate(int hint) override;
    // The area selector's change: switches to the selected area.
    void OnAreaSelectorChange(const boost::any& sender);
    // Lays the controls out after a size change and rebuilds the buttons.
    void ArrangeControls() override;

    // Enables the "Selected" buttons while rows are selected, and keeps the
    // line above the list up to date.
    void OnIdleUpdate() override;
    // The line above the list: where the shown area's rows came from
    // (hidden when there is nothing to say).
    const QLabel& GetNotice() const { return notice_; }
    // Brings the line above the list and the rows' marks up to date.
    void UpdateNotice();

private:
    void BuildControls();
    void RebuildList(int hint);
    void SwitchWindowsToArea();
    void ArrangeList(CPatchListCtrl& list);

    CImageDoc& document_;
    CLibrarianState& state_; // not owned
    CComboBoxA areaSelector_;
    std::array<std::unique_ptr<CPatchListCtrl>, 7> lists_;
    QLabel selectorLabel_;
    QLabel previewLabel_;
    QLabel notice_;
    QGroupBox readGroup_;
    QGroupBox writeGroup_;
    QPushButton readAll_;
    QPushButton readSelected_;
    QPushButton writeAll_;
    QPushButton writeSelected_;
    CDocMan* manager_ = nullptr; // not owned
    bool documentGone_ = false;
};
