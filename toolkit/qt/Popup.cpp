#include "toolkit/qt/Popup.h"

#include <QEventLoop>
#include <QWidget>

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

} // namespace GP
