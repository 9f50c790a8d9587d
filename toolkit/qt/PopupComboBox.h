#pragma once
// The drop-down pop-up: a non-editable combo box over a cell, as wide as its
// widest entry.
#include "toolkit/qt/Popup.h"

#include <QComboBox>

#include <vector>

namespace GP {

class CPopupComboBox : public QComboBox, public IPopup {
    Q_OBJECT
public:
    CPopupComboBox(const QRect& cellRect, const std::vector<QString>& items, std::intptr_t userValue,
                   QWidget* parent = nullptr);

    QWidget* GetWnd() override { return this; }
    int RunModal(const QRect& rect, QWidget* parent) override;
    // The selected entry's text; SetText selects the entry with that text.
    QString GetText() const override { return currentText(); }
    void SetText(const QString& text) override;
    const std::vector<QString>& GetItems() const { return items_; }
    // True while the entry list is open.
    bool IsListShown() const;

signals:
    // The user chose an entry.
    void popupSelEndOk();
    void popupReturn(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void showPopup() override;
    void hidePopup() override;

private:
    void FitToItems();
    std::vector<QString> items_;
    bool listShown_ = false;
};

} // namespace GP
