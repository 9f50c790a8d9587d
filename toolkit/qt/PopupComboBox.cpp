#include "toolkit/qt/PopupComboBox.h"

#include <QAbstractItemView>
#include <QKeyEvent>
#include <QStyle>

#include <algorithm>

namespace GP {

CPopupComboBox::CPopupComboBox(const QRect& cellRect, const std::vector<QString>& items, std::intptr_t userValue,
                               QWidget* parent)
    : QComboBox(parent), IPopup(kKindComboBox, cellRect, userValue), items_(items) {
    setEditable(false);
    for (const QString& item : items_)
        addItem(item);
    FitToItems();
    connect(this, &QComboBox::activated, this, [this] {
        SetModified(true);
        emit popupSelEndOk();
    });
}

void CPopupComboBox::FitToItems() {
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString& item : items_)
        widest = std::max(widest, metrics.horizontalAdvance(item));
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // Room for the frame and the arrow besides the widest entry.
    const int chrome = std::max(0, sizeHint().width() - minimumSizeHint().width()) + 2 * metrics.averageCharWidth();
    const QRect cell = GetCellRect();
    const int width = std::max(cell.width(), widest + scrollBar + chrome);
    setGeometry(cell.left(), cell.top(), width, std::max(cell.height(), sizeHint().height()));
    view()->setMinimumWidth(widest + scrollBar);
}

void CPopupComboBox::SetText(const QString& text) {
    const int index = findText(text, Qt::MatchExactly);
    if (index >= 0)
        setCurrentIndex(index);
}

bool CPopupComboBox::IsListShown() const { return listShown_; }

void CPopupComboBox::showPopup() {
    listShown_ = true;
    QComboBox::showPopup();
}

void CPopupComboBox::hidePopup() {
    QComboBox::hidePopup();
    listShown_ = false;
}

int CPopupComboBox::RunModal(const QRect& rect, QWidget* parent) { return RunModalLoop(*this, rect, parent); }

void CPopupComboBox::keyPressEvent(QKeyEvent* event) {
    // Every key stays here; keys with Alt (menu accelerators) are swallowed.
    event->accept();
    const int key = event->key();
    if (!listShown_ && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!EndModal(kReturnEnter))
            emit popupReturn(kReturnEnter);
        return;
    }
    if (!listShown_ && key == Qt::Key_Escape) {
        if (!EndModal(kReturnEscape))
            emit popupReturn(kReturnEscape);
        return;
    }
    if ((event->modifiers() & Qt::AltModifier) && key != Qt::Key_Down && key != Qt::Key_Up)
        return;
    // Arrow keys on the closed box choose too; the box reports it as activated.
    QComboBox::keyPressEvent(event);
    event->accept();
}

} // namespace GP
