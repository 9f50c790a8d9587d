#pragma once
// The text pop-up: a line edit over a cell that widens to its text.
#include "toolkit/qt/Popup.h"

#include <QLineEdit>

#include <functional>

namespace GP {

class CPopupEdit : public QLineEdit, public IPopup {
    Q_OBJECT
public:
    // alignment: SELVColumn::kAlign*. The edit is placed over cellRect.
    CPopupEdit(const QRect& cellRect, int alignment, std::intptr_t userValue, QWidget* parent = nullptr);

    QWidget* GetWnd() override { return this; }
    int RunModal(const QRect& rect, QWidget* parent) override;
    QString GetText() const override { return text(); }
    void SetText(const QString& text) override;

    // Asked by RunModal before Enter ends it; none accepts every text.
    void SetModalValidator(std::function<bool(const QString&)> validator) { validator_ = std::move(validator); }

signals:
    // The text changed (by the user or by SetText).
    void popupChanged();
    // Enter (kReturnEnter) or Escape (kReturnEscape).
    void popupReturn(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Widen();
    int alignment_;
    std::function<bool(const QString&)> validator_;
};

} // namespace GP
