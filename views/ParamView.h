#pragma once
// The form both window views stand on: the patch list (control 4130, placed
// by the derived view) with a column of small preview buttons to its left,
// one per visible row, and the grid setting of the lists (handed in). A preview button
// sends the patch of its row to the unit's temporary patch for listening.
#include "toolkit/qt/FormViewEx.h"

#include <QPushButton>
#include <QRect>

#include <memory>
#include <vector>

class CParameterListCtrl;
class IGridSetting;
class IPreviewConfirmation;

class CParamView : public GP::CFormViewEx {
    Q_OBJECT
public:
    static constexpr int kListId = 4130;
    // Button k has id kFirstButtonId + k; ids up to kLastButtonId are served.
    static constexpr int kFirstButtonId = 4130;
    static constexpr int kLastButtonId = 4385;
    static constexpr int kMaxButtons = kLastButtonId - kFirstButtonId + 1;
    static constexpr int kSetUpGridCommand = 32863;

    // formId: the form the derived view shows (4111 main window, 4136 file),
    // formUnits its size in dialog units.
    CParamView(int formId, QSize formUnits, QWidget* parent = nullptr);
    ~CParamView() override;

    // The list shown now (not owned; a child of this view or of one of its
    // children), or nullptr. The buttons follow its rows; it gets the grid
    // setting and the preview confirmation.
    void SetListCtrl(CParameterListCtrl* list);
    CParameterListCtrl* GetListCtrl() const { return list_; }
    // Asked before any preview is sent (not owned). Without one nothing is
    // sent.
    void SetPreviewConfirmation(IPreviewConfirmation* confirmation);

    // The preview button's rectangle for list row `row`, in this view's
    // coordinates; false when the list has no such row.
    bool PlaceButton(int row, QRect& rect) const;
    // One button per whole visible row of the list (none for the "End of
    // Line" row), each placed beside its row.
    void RebuildPreviewButtons();
    // Removes every preview button.
    void DestroyButtons();
    int GetButtonCount() const { return static_cast<int>(buttons_.size()); }
    QPushButton* GetButton(int k) const;

    // Button id clicked: previews the patch of row (top row + k) after the
    // confirmation; nothing for a row without a patch.
    void OnPreviewButton(int id);

    // The program's grid setting (not owned); without one the list shows no
    // grid lines and Set Up Grid starts from "off".
    void SetGridSetting(IGridSetting* grid) { grid_ = grid; }
    // "Set Up Grid...": asks for the setting; on OK every view's list takes it.
    void OnSetUpGrid();
    // Makes value the program's grid setting and applies it to the list of
    // every open view.
    void ApplyGridSetting(int value);
    // Gives this view's list the program's grid setting.
    void ApplyGridLines();

protected:
    // Sends the patch of this index to the unit's temporary patch.
    virtual void Preview(int index) = 0;
    // Runs the grid dialog with value; true and the new value after OK.
    virtual bool RunGridDialog(int& value);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::unique_ptr<QPushButton> CreateButton(int k);

    CParameterListCtrl* list_ = nullptr;           // not owned
    IPreviewConfirmation* confirmation_ = nullptr; // not owned
    IGridSetting* grid_ = nullptr;                 // not owned
    std::vector<std::unique_ptr<QPushButton>> buttons_;
};
