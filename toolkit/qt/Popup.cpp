#include "toolkit/qt/Popup.h"

#include <QEventLoop>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QWidget>

#include <algorithm>

namespace GP {

int IPopup::RunModalLoop(QWidget& widget, const QRect& rect, QWidget* parent) {
    if (modalLoop_)
        return kReturnEscape;
    if (parent) {
        widget.setParent(parent);
    } else {
        widget.setParent(nullptr);
        widget.setWindowFlags(Qt::Tool | Qt::FramelessWindowHint);
    }
    widget.setGeometry(rect);
    SetCellRect(rect);
    widget.show();
    widget.raise();
    widget.setFocus();
    QEventLoop loop;
    modalLoop_ = &loop;
    modalResult_ = kReturnEscape;
    loop.exec();
    modalLoop_ = nullptr;
    widget.hide();
    return modalResult_;
}

bool IPopup::EndModal(int code) {
    if (!modalLoop_)
        return false;
    modalResult_ = code;
    modalLoop_->quit();
    return true;
}

void IPopup::WidenOverCell(QLineEdit& edit, bool growLeft) const {
    const QFontMetrics metrics = edit.fontMetrics();
    const QMargins margins = edit.textMargins();
    const QRect& cell = cellRect_;
    const int wanted =
        metrics.horizontalAdvance(edit.text()) + margins.left() + margins.right() + metrics.maxWidth() + 4;
    const int width = std::max(wanted, cell.width());
    if (width == edit.width())
        return;
    const int left = growLeft ? cell.right() + 1 - width : cell.left();
    edit.setGeometry(left, cell.top(), width, cell.height());
}

bool IPopup::TakeReturnKey(QKeyEvent& event, const std::function<bool()>& acceptable,
                           const std::function<void(int code)>& report) {
    const int key = event.key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
        event.accept();
        if (!IsModal())
            report(kReturnEnter);
        else if (acceptable())
            EndModal(kReturnEnter);
        return true;
    }
    if (key == Qt::Key_Escape) {
        event.accept();
        if (!EndModal(kReturnEscape))
            report(kReturnEscape);
        return true;
    }
    return false;
}

} // namespace GP
