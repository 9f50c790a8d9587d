#pragma once
// A small list over test rows for the edit list tests: a read-only number, a
// name, a level 0..100 with a spin editor, a type from a drop-down and a memo
// kept as code-page bytes. It records what is stored and what is announced.
#include "toolkit/qt/EditListCtrl.h"
#include "toolkit/qt/EditListText.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>

#include <string>
#include <vector>

namespace test {

// The application of these tests, made on first use and destroyed when the
// test run ends (editlist_support.cpp), not from an exit handler: by then
// Qt's input-device registry is gone, which crashes once QTest sent events.
void EnsureApplication();

enum Column { kNumber = 0, kName = 1, kLevel = 2, kType = 3, kMemo = 4 };

struct Row {
    QString name;
    double level = 0;
    QString type;
    std::string memo; // bytes in the list's code page
};

class CTestList : public GP::CEditListCtrl {
public:
    struct Stored {
        int row;
        int column;
        GP::CellValue value;
    };
    struct Ended {
        int row;
        int column;
        bool committed;
        QString text;
    };

    explicit CTestList(int rows, int codePage = 932) : codePage_(codePage) {
        SELVColumn number;
        number.flags = 0x1141;
        number.max = 127;
        number.formatFlags = 2;
        InsertColumn(kNumber, "Number", number, 50);
        SELVColumn name;
        name.flags = 0x10010;
        InsertColumn(kName, "Name", name, 120);
        SELVColumn level;
        level.flags =
            SELVColumn::kEditable | SELVColumn::kEditorSpin | SELVColumn::kTypeInteger | SELVColumn::kAlignRight;
        level.min = 0;
        level.max = 100;
        InsertColumn(kLevel, "Level", level, 60);
        SELVColumn type;
        type.flags = SELVColumn::kEditable | SELVColumn::kEditorDropDown;
        type.items = {"Clean", "Drive", "Lead"};
        InsertColumn(kType, "Type", type, 80);
        SELVColumn memo;
        memo.flags = 0x10010;
        InsertColumn(kMemo, "Memo", memo, 120);
        for (int i = 0; i < rows; ++i)
            data.push_back({QString("Patch %1").arg(i), double(i % 100), "Clean", "memo"});
        SetItemCount(rows);
        connect(this, &CEditListCtrl::beginLabelEdit, [this](int row, int) { begun.push_back(row); });
        connect(this, &CEditListCtrl::endLabelEdit, [this](int row, int column, bool committed, const QString& text) {
            ended.push_back({row, column, committed, text});
        });
        resize(420, 10 * verticalHeader()->defaultSectionSize() + horizontalHeader()->sizeHint().height() + 4);
        show();
    }

    QString GetCellText(int row, int column) const override {
        const Row& r = data[static_cast<std::size_t>(GetItemData(row))];
        switch (column) {
        case kNumber:
            return QString("%1").arg(GetItemData(row) + 1, 2);
        case kName:
            return r.name;
        case kLevel:
            return QString::number(r.level);
        case kType:
            return r.type;
        case kMemo:
            return GP::CellTextFromBytes(r.memo, codePage_);
        default:
            return {};
        }
    }

    std::vector<Row> data;
    std::vector<Stored> stored;
    std::vector<int> begun;
    std::vector<Ended> ended;
    // What the replace dialog answers; false: Close.
    bool replaceAnswer = true;
    QString replaceSearch;
    QString replaceWith;
    QString replacePresetSearch;

    using CEditListCtrl::OnPopupEditChange;

protected:
    void SetCellValue(int row, int column, const GP::CellValue& value) override {
        stored.push_back({row, column, value});
        Row& r = data[static_cast<std::size_t>(GetItemData(row))];
        switch (column) {
        case kName:
            r.name = std::get<QString>(value);
            break;
        case kLevel:
            r.level = std::get<double>(value);
            break;
        case kType:
            r.type = std::get<QString>(value);
            break;
        case kMemo:
            GP::CellTextToBytes(std::get<QString>(value), codePage_, r.memo);
            break;
        default:
            break;
        }
    }

    bool IsValidCellValue(int row, int column, const GP::CellValue& value, ValidateMode mode) override {
        if (column == kMemo) {
            std::string bytes;
            return GP::CellTextToBytes(std::get<QString>(value), codePage_, bytes);
        }
        return CEditListCtrl::IsValidCellValue(row, column, value, mode);
    }

    bool RunReplaceDialog(QString& search, QString& replacement) override {
        replacePresetSearch = search;
        if (!replaceAnswer)
            return false;
        search = replaceSearch;
        replacement = replaceWith;
        return true;
    }

private:
    int codePage_;
};

// Types text into widget as key presses carrying the characters, for text
// the ASCII key helpers cannot express.
inline void TypeText(QWidget* widget, const QString& text) {
    for (QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

// The centre of a cell in viewport coordinates.
inline QPoint CellCentre(const GP::CEditListCtrl& list, int row, int column) {
    QRect rect;
    list.GetCellRect(row, column, rect);
    return rect.center();
}

} // namespace test
