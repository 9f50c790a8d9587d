#pragma once
// A patch list: one row per object of a parameter array, with its number,
// name and four memos. The user edits names and memos in place, sorts by a
// header click, and the edit commands (cut, copy, insert, replace, delete,
// initialize, select all) work on the selected rows. A file window's list
// ends with an "End of Line" row, which stays last after every sort and
// marks where an insert at the end goes.
//
// This class holds what works on any parameter array; a derived class says
// which array, clipboard, columns and profile entries it uses.
#include "toolkit/qt/EditListCtrl.h"
#include "views/PatchDrop.h"

#include <QString>

#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDocumentBase;
class CParameter;
class CParameterArray;
class IPatchDropTarget;
class IPreviewConfirmation;
class QMimeData;
namespace GT {
class IProfile;
}

class CParameterListCtrl : public GP::CEditListCtrl {
    Q_OBJECT
public:
    // Column kinds: what a column shows of an object.
    enum ColumnKind { kKindNumber = 0, kKindMemo1 = 1, kKindMemo4 = 4, kKindName = 5 };

    struct ColumnEntry {
        const char* name; // header text, translated when shown
        int kind;
        GP::SELVColumn descriptor;
    };

    explicit CParameterListCtrl(bool endRow, QWidget* parent = nullptr);
    ~CParameterListCtrl() override;

    // Creates the columns, then gives them their stored widths. Until the
    // user has sized any column (nothing stored), the columns fit the list:
    // the number and name columns show their longest texts whole, the memos
    // share the rest and the last column takes what remains; they follow the
    // list's width and font.
    virtual void FillColumns();
    // One row per object, plus the "End of Line" row; row i shows object i.
    virtual void FillRows();
    // Selects the rows from the top, as many as the array holds objects.
    virtual void SelectAll();
    virtual void DeleteSelected();
    virtual void InitializeSelected();
    // Puts copies of the selected objects on the clipboard.
    virtual void CopySelected();
    // Inserts copies of the clipboard before the first selected row (at the
    // end for the "End of Line" row); returns how many. Nothing is inserted
    // when no row is selected.
    virtual int InsertClipboard();
    // Overwrites the selected objects from the clipboard, repeating it over
    // a longer selection.
    virtual void ReplaceSelected();
    // The lowest and highest selected row, or -1.
    virtual int FirstSelectedRow() const;
    virtual int LastSelectedRow() const;

    // The shown array (not owned), or nullptr while none is shown.
    virtual CParameterArray* GetArray() const = 0;
    // A new, empty array of the kind the list shows.
    virtual std::unique_ptr<CParameterArray> CreateArray() const = 0;
    virtual CParameterArray& GetClipboard() const = 0;
    virtual const std::vector<ColumnEntry>& GetColumns() const = 0;
    // Where the column widths are kept in the profile.
    virtual void GetProfileKeys(std::string& section, std::string& key) const = 0;
    virtual int GetKind() const = 0;
    virtual int GetAreaNumber() const = 0;

    // Rebuilds the rows after the array changed. keepSelection with count 0
    // selects the same indexes again; with count n the n indexes from the
    // first selected one, when they all exist. A column sort is applied again.
    void Refresh(bool keepSelection, int count);
    // Index order; the column sort is remembered.
    void SortByNumber();
    // What a header click does: sorts by the column, ascending, or the other
    // way round when it already sorts by that column.
    void SortByColumn(int column);
    void ResizeArray(std::size_t n);
    // The index of the object the row shows, or -1 (no such row, "End of
    // Line").
    int GetObjectIndex(int row) const;
    // The indexes of the selected rows in row order, rows that show no
    // object left out.
    std::vector<int> GetSelectedIndexes() const;

    // The indexes of the objects in rows firstRow .. firstRow + count - 1,
    // in row order; fewer when some of these rows show no object.
    std::vector<int> GetRowIndexes(int firstRow, int count) const;
    // Where an object inserted before this row goes: the index of the row's
    // object, or the array size for "End of Line" and beyond the last row.
    std::size_t GetInsertIndex(int row) const;
    // Selects exactly the rows of the objects first .. first + count - 1.
    void SelectObjects(int first, int count);
    // Rows are in index order: not sorted, or sorted by number ascending.
    bool IsInIndexOrder() const;

    // The window that takes the patches dropped on the list (not owned).
    // Without one the list takes no drops; its rows can still be dragged.
    void SetDropTarget(IPatchDropTarget* target) { dropTarget_ = target; }
    // Runs the drag of the selected rows: by default the desktop's drag and
    // drop. The result is the action the target took.
    using DragRunner = std::function<Qt::DropAction(std::unique_ptr<QMimeData> data, Qt::DropActions actions,
                                                    Qt::DropAction defaultAction)>;
    void SetDragRunner(DragRunner runner) { dragRunner_ = std::move(runner); }
    // The row a drop at this viewport point goes to: the row under it, or
    // the row count below the last row.
    int DropRowAt(const QPoint& point) const;

    bool HasEndRow() const { return endRow_; }
    int GetSortKind() const { return sortKind_; }
    bool IsSortAscending() const { return sortAscending_; }

    // The document whose undo step an in-place edit records (not owned).
    void SetDocument(CDocumentBase* document) { document_ = document; }
    CDocumentBase* GetDocument() const { return document_; }
    // Asked before a double-click sends a patch to the unit (not owned).
    // Without one nothing is sent.
    void SetPreviewConfirmation(IPreviewConfirmation* confirmation) { confirmation_ = confirmation; }
    // The profile for the column widths (not owned); the user's by default.
    void SetProfile(GT::IProfile* profile) { profile_ = profile; }
    // Stores the column widths once the user has sized a column (fitted
    // widths are not stored, so they keep following the list); the views
    // call it when they close.
    bool SaveColumnWidths() const;
    // True while the columns fit the list by themselves.
    bool HasFittedColumns() const { return fittedColumns_; }
    // A column's width when it shows its longest text whole: the number
    // column its numbers and "End of Line" (in every list), text columns a
    // whole 16-character name, in the list's font (never narrower than the
    // header).
    int NaturalColumnWidth(int column) const;

    // The list's own select-all (Ctrl+A in the list) selects the patch rows
    // as SelectAll does.
    void selectAll() override;

    // The row of the patch heard last (the preview of this index) stays
    // marked, bold with a tip, until the next preview in any list.
    void SetPreviewedIndex(int index);
    int GetPreviewedIndex() const { return previewedIndex_; }
    RowLook GetRowLook(int row) const override;

    QString GetCellText(int row, int column) const override;
    bool BeginEdit(int row, int column) override;
    bool EndEdit(bool commit) override;
    // A replace is one change like an edit: one undo step and a new sort.
    void ReplaceString(int column) override;

    // The code page memos are kept in for the language of the user interface.
    static int MemoCodePage();

signals:
    // After a scroll and after the navigation keys, so that the parent can
    // move whatever follows the rows (the preview buttons).
    void scrolledOrNavigated();
    // The user asked to hear the object of this index, and confirmed.
    void previewRequested(int index);
    // An in-place edit changed a file list's object.
    void modified();
    // The row marked as previewed changed (in this list or away from it).
    void previewedChanged();

protected:
    // The text of column kind `kind` for the object of this index.
    virtual QString GetObjectText(const CParameter& object, int index, int kind) const;
    // Stores an edited text (already checked by IsValidObjectText).
    virtual void SetObjectText(CParameter& object, int kind, const QString& text);
    // False, after telling the user why, when the text cannot be stored.
    virtual bool IsValidObjectText(int kind, const QString& text) const;

    void SetCellValue(int row, int column, const GP::CellValue& value) override;
    bool IsValidCellValue(int row, int column, const GP::CellValue& value, ValidateMode mode) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // Drags copies of the selected patches to another list; in a file list
    // the drag moves them within the list unless Ctrl makes it a copy.
    void StartRowDrag() override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    bool viewportEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;

    // Forgets the column sort (the list shows another array now).
    void ResetSort();
    // The column kind of a list column, or -1.
    int ColumnKind(int column) const;
    // How a row stands out for what it holds; the previewed mark comes on
    // top. Default: plain.
    virtual RowLook GetObjectRowLook(int /*row*/) const { return {}; }
    GT::IProfile& Profile() const;

private:
    // The object a row shows, or nullptr (the "End of Line" row).
    CParameter* ObjectOfRow(int row) const;
    // The highest selected row that shows an object, or -1.
    int LastSelectedObjectRow() const;
    void SortAgain();
    // Sizes the columns to the list's width (fitted columns only).
    void FitColumns();
    // A column border moved: by the user unless the list is fitting.
    void OnColumnResized();
    void SelectIndexes(const std::vector<int>& sortedIndexes);
    // Accepts a drag of patches with the action this list takes for it;
    // ignores anything else, which the frame may take (dropped files).
    bool AcceptPatchDrag(QDropEvent& event) const;
    void SetDropIndicator(int row, int count);
    // What a drop at row would do, for the status bar while the mouse is
    // over the list; empty when nothing is dragged over it.
    QString DropHint(int row, int count, bool move) const;
    void ShowDropHint(const QString& hint);
    // Runs after the drag has ended, so that a refusal can tell the user why.
    void FinishDrop(CPatchDrop drop, std::shared_ptr<CParameterArray> patches, bool readable);

    int sortKind_ = -1;
    bool sortAscending_ = true;
    const CParameterArray* sortArray_ = nullptr; // not owned
    int editRow_ = -1;
    bool endRow_;
    // Set while an edit or replace has yet to record its undo step.
    bool pendingUndo_ = false;
    bool fittedColumns_ = false;
    bool fitting_ = false;
    CDocumentBase* document_ = nullptr;            // not owned
    IPreviewConfirmation* confirmation_ = nullptr; // not owned
    GT::IProfile* profile_ = nullptr;              // not owned
    IPatchDropTarget* dropTarget_ = nullptr;       // not owned
    DragRunner dragRunner_;
    // While this list's own drag runs: the indexes of the rows it drags.
    bool dragging_ = false;
    std::vector<int> draggingIndexes_;
    // Where a drop would go while patches are dragged over the list.
    int dropIndicatorRow_ = -1;
    int dropIndicatorCount_ = 0;
    // The number of patches dragged over the list, read when they enter it.
    int draggedCount_ = 0;
    QString dropHint_;
    int previewedIndex_ = -1;
};
