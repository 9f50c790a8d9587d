#pragma once
// The numeric pop-up: a spin edit over a cell, set up from its column.
#include "toolkit/qt/Popup.h"
#include "toolkit/qt/SELVColumn.h"
#include "toolkit/qt/SpinEdit.h"

#include <functional>

namespace GP {

class CPopupSpinEdit : public CSpinEdit, public IPopup {
    Q_OBJECT
public:
    // Takes range, value type, radix, step exponent, decimals, format flags
    // and alignment from column, and starts with value.
    CPopupSpinEdit(const QRect& cellRect, const SELVColumn& column, double value, std::intptr_t userValue,
                   QWidget* parent = nullptr);

    QWidget* GetWnd() override { return this; }
    int RunModal(const QRect& rect, QWidget* parent) override;
    QString GetText() const override { return text(); }
    void SetText(const QString& text) override;
    void SetModalValidator(std::function<bool(double)> validator) { validator_ = std::move(validator); }

signals:
    void popupChanged();
    void popupReturn(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Widen();
    std::function<bool(double)> validator_;
};

} // namespace GP
