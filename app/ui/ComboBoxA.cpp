#include "app/ui/ComboBoxA.h"

#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

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

int CComboBoxA::WidthForLongestItem() const {
    int text = 0;
    for (int i = 0; i < count(); ++i)
        text = std::max(text, fontMetrics().horizontalAdvance(itemText(i)));
    QStyleOptionComboBox option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(text, fontMetrics().height()), this).width();
}
