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

    // Refuses typed or pasted text beyond maxLength characters (0: any) or,
    // with asciiOnly, outside printable ASCII; shows how many are left.
    void SetLimits(int maxLength, bool asciiOnly);
    // The characters that can still be typed, or -1 without a limit.
    int CharactersLeft() const;

    // Asked by RunModal before Enter ends it; none accepts every text.
    void SetModalValidator(std::function<bool(const QString&)> validator) { validator_ = std::move(validator); }

signals:
    // The text changed (by the user or by SetText).
    void popupChanged();
    // Enter (kReturnEnter) or Escape (kReturnEscape).
    void popupReturn(int code);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Widen();
    int alignment_;
    int limit_ = 0;
    std::function<bool(const QString&)> validator_;
};

} // namespace GP
