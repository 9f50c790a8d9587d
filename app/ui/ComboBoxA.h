#pragma once
// A drop-down list of (value, text) items that knows the value of its
// selected item. When the user picks an item it reports the change with
// itself as the sender, carried type-erased, so that one handler can serve
// several lists.
#include "toolkit/core/Event.h"

#include <QComboBox>
#include <QString>

#include <utility>
#include <vector>

class CComboBoxA : public QComboBox {
    Q_OBJECT
public:
    using Item = std::pair<int, QString>;

    explicit CComboBoxA(QWidget* parent = nullptr);

    // Replaces the items; nothing is selected afterwards.
    void SetItems(const std::vector<Item>& items);
    // Selects the first item with this value; false (selection unchanged)
    // when there is none. Reports no change.
    bool SelectValue(int value);
    // The value of the selected item, or -1 when none is selected.
    int GetSelectedValue() const;
    // The width that shows the longest item whole, with the arrow and the
    // frame the style draws around it.
    int WidthForLongestItem() const;

    // Fired when the user chooses an item (also the one already selected);
    // the sender holds a CComboBoxA*.
    GT::CEvent& SelectionEvent() { return selectionEvent_; }

private:
    GT::CEvent selectionEvent_;
};
