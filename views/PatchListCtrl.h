#pragma once
// The patch list of a window: the patches of one area (main window) or of a
// librarian file (file window, which ends with the "End of Line" row). Its
// clipboard is the program's patch clipboard, handed in; its column widths
// are kept in section "PatchListCtrl", entry "ColumnWidth".
#include "views/ParameterListCtrl.h"

#include <memory>

class IPatchClipboard;

class CPatchListCtrl : public CParameterListCtrl {
    Q_OBJECT
public:
    static constexpr int kKind = 1;

    CPatchListCtrl(int areaNumber, bool endRow, QWidget* parent = nullptr);

    // The array shown (not owned); the view sets it. A new array forgets the
    // column sort of the previous one.
    void SetPatchArray(CParameterArray* array);

    CParameterArray* GetArray() const override { return array_; }
    std::unique_ptr<CParameterArray> CreateArray() const override;
    // The clipboard shared by every list (not owned). Without one the list
    // has a clipboard of its own.
    void SetPatchClipboard(IPatchClipboard* clipboard) { clipboard_ = clipboard; }
    CParameterArray& GetClipboard() const override;
    const std::vector<ColumnEntry>& GetColumns() const override;
    void GetProfileKeys(std::string& section, std::string& key) const override;
    int GetKind() const override { return kKind; }
    int GetAreaNumber() const override { return areaNumber_; }
    // In the main window: rows not read from the unit are dimmed; rows
    // changed and not written, and rows changed on the unit since its last
    // known state, carry a mark with a tool tip.
    RowLook GetObjectRowLook(int row) const override;

protected:
    QString GetObjectText(const CParameter& object, int index, int kind) const override;
    void SetObjectText(CParameter& object, int kind, const QString& text) override;
    bool IsValidObjectText(int kind, const QString& text) const override;

private:
    CParameterArray* array_ = nullptr; // not owned
    int areaNumber_;
    IPatchClipboard* clipboard_ = nullptr;          // not owned
    std::unique_ptr<CParameterArray> ownClipboard_; // without a shared one
};
