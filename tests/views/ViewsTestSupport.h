#pragma once
// What the view tests share: the one QApplication (offscreen platform), a
// file window's patch list over a document with named patches, and a
// profile in a temporary file so the user's settings are never touched.
#include "data/FileDocument.h"
#include "data/ParameterArray.h"
#include "data/Patch.h"
#include "toolkit/profile/IniProfile.h"
#include "views/GridSetting.h"
#include "views/PatchClipboard.h"
#include "views/PatchListCtrl.h"
#include "views/PreviewConfirmation.h"

#include <QApplication>
#include <QHeaderView>
#include <QTemporaryDir>

#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace viewstest {

inline QApplication& App() { return test::TestApplication(); }

// Answers the preview question and counts how often it was asked.
class FakeConfirmation : public IPreviewConfirmation {
public:
    explicit FakeConfirmation(bool answer) : answer(answer) {}
    bool ConfirmPreview(int index) override {
        ++asked;
        indexes.push_back(index);
        return answer;
    }
    bool answer;
    int asked = 0;
    std::vector<int> indexes;
};

// A clipboard of its own for each list under test.
class TestClipboard : public IPatchClipboard {
public:
    CParameterArray& GetPatchClipboard() override { return patches; }
    CConcreteParameterArray<CPatch> patches;
};

// The grid setting the views under test share.
class TestGrid : public IGridSetting {
public:
    int GetGridSwitch() const override { return on; }
    void SetGridSwitch(int value) override { on = value; }
    int on = 0;
};

inline std::string PatchName(int k) { return "P" + std::to_string(k); }

// A file window's list (with the "End of Line" row) over `count` patches
// named P0, P1, ..., shown and sized so that about 20 rows are visible.
struct FileList {
    explicit FileList(int count, bool endRow = true) : list(1, endRow) {
        list.SetPatchClipboard(&clipboard);
        Patches().Resize(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k)
            Name(k, PatchName(k));
        list.SetProfile(&profile);
        list.SetPatchArray(&Patches());
        list.SetDocument(&document);
        list.FillColumns();
        list.Refresh(false, 0);
        list.resize(500, 20 * list.verticalHeader()->defaultSectionSize() + list.horizontalHeader()->height() + 4);
        list.show();
    }

    CParameterArray& Patches() { return document.Patches(); }
    void Name(int index, const std::string& name) {
        AsPatch(&Patches()[static_cast<std::size_t>(index)])->SetName(name);
    }
    std::string NameAt(int index) { return AsPatch(&Patches()[static_cast<std::size_t>(index)])->GetName(); }
    // The patch index of every row, in row order.
    std::vector<int> RowIndexes() const {
        std::vector<int> rows;
        for (int row = 0; row < list.GetItemCount(); ++row)
            rows.push_back(static_cast<int>(list.GetItemData(row)));
        return rows;
    }
    void SelectRows(const std::vector<int>& rows) {
        list.SetAllSelected(false);
        for (int row : rows)
            list.SetRowSelected(row, true);
    }

    QApplication& app = App(); // first: the list needs it
    QTemporaryDir dir;
    GT::CIniProfile profile{dir.filePath("profile.ini").toStdString()};
    CFileDocument document;
    TestClipboard clipboard;
    CPatchListCtrl list;
};

} // namespace viewstest
