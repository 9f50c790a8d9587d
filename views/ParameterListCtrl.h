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

#include <QString>

#include <cstddef>
#include <string>
#include <vector>

class CDocumentBase;
class CParameter;
class CParameterArray;
class IPreviewConfirmation;
namespace GT {
class IProfile;
}

class CParameterListCtrl : public GP::CEditListCtrl {
    Q_OBJECT
public:
    // Column kinds: what a column shows of an object.
    enum ColumnKind { kKindNumber = 0, kKindMemo1 = 1, kKindMemo4 = 4, kKindName = 5 };

    struct ColumnEntry {
        const char* name;  // header text, translated when shown
        int kind;
        GP::SELVColumn descriptor;
    };

    explicit CParameterListCtrl(bool endRow, QWidget* parent = nullptr);
    ~CParameterListCtrl() override;

    // Creates the columns, then gives them their stored widths.
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

    bool HasEndRow() const { return endRow_; }
    int GetSortKind() const { return sortKind_; }
    bool IsSortAscending() const { return sortAscending_; }

    // The document whose undo step an in-place edit records (not owned).
    void SetDocument(CDocumentBase* document) { document_ = document; }
    // Asked before a double-click sends a patch to the unit (not owned).
    // Without one nothing is sent.
    void SetPreviewConfirmation(IPreviewConfirmation* confirmation) { confirmation_ = confirmation; }
    // The profile for the column widths (not owned); the user's by default.
    void SetProfile(GT::IProfile* profile) { profile_ = profile; }
    // Stores the column widths; the views call it when they close.
    bool SaveColumnWidths() const;

    // The list's own select-all (Ctrl+A in the list) selects the patch rows
    // as SelectAll does.
    void selectAll() override;

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
    void scrollContentsBy(int dx, int dy) override;

    // Forgets the column sort (the list shows another array now).
    void ResetSort();
    // The column kind of a list column, or -1.
    int ColumnKind(int column) const;
    GT::IProfile& Profile() const;

private:
    // The object a row shows, or nullptr (the "End of Line" row).
    CParameter* ObjectOfRow(int row) const;
    void SortAgain();
    void SelectIndexes(const std::vector<int>& sortedIndexes);

    int sortKind_ = -1;
    bool sortAscending_ = true;
    const CParameterArray* sortArray_ = nullptr;  // not owned
    int editRow_ = -1;
    bool endRow_;
    // Set while an edit or replace has yet to record its undo step.
    bool pendingUndo_ = false;
    CDocumentBase* document_ = nullptr;             // not owned
    IPreviewConfirmation* confirmation_ = nullptr;  // not owned
    GT::IProfile* profile_ = nullptr;               // not owned
};
