#include "app/ui/ComboBoxA.h"

CComboBoxA::CComboBoxA(QWidget* parent) : QComboBox(parent) {
    connect(this, &QComboBox::activated, this, [this](int) { selectionEvent_.Fire(boost::any(this)); });
}

void CComboBoxA::SetItems(const std::vector<Item>& items) {
    clear();
    for (const auto& [value, text] : items)
        addItem(text, value);
    setCurrentIndex(-1);
}

bool CComboBoxA::SelectValue(int value) {
    const int index = findData(value);
    if (index < 0)
        return false;
    setCurrentIndex(index);
    return true;
}

int CComboBoxA::GetSelectedValue() const { return currentIndex() < 0 ? -1 : currentData().toInt(); }
