#include "toolkit/qt/FormViewEx.h"

#include <QFontMetrics>
#include <QMdiSubWindow>
#include <QMouseEvent>

#include <algorithm>

namespace GP {
namespace {

// The window that holds the view and is sized for it.
QWidget* FrameOf(QWidget& view) {
    for (QWidget* w = view.parentWidget(); w; w = w->parentWidget())
        if (qobject_cast<QMdiSubWindow*>(w) || w->isWindow())
            return w;
    return view.window();
}

} // namespace

CFormViewEx::CFormViewEx(int formId, QSize formUnits, QWidget* parent)
    : QWidget(parent), formId_(formId), formUnits_(formUnits) {}

CFormViewEx::~CFormViewEx() = default;

QSize CFormViewEx::FormSize() const {
    const QFontMetrics metrics = fontMetrics();
    const int baseX = std::max(1, metrics.averageCharWidth());
    const int baseY = std::max(1, metrics.height());
    return QSize(formUnits_.width() * baseX / 4, formUnits_.height() * baseY / 8);
}

bool CFormViewEx::FitFrameToForm() {
    QWidget* frame = FrameOf(*this);
    if (!frame || frame->isMaximized() || frame == this)
        return false;
    // The frame keeps its borders and caption around the view.
    const QSize border = frame->size() - size();
    frame->resize(FormSize() + border);
    return true;
}

void CFormViewEx::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    ArrangeControls();
}

void CFormViewEx::mouseDoubleClickEvent(QMouseEvent* event) {
    // Double clicks on the controls are theirs; this one hit the background.
    if (event->button() == Qt::LeftButton)
        FitFrameToForm();
    QWidget::mouseDoubleClickEvent(event);
}

} // namespace GP
