#include "toolkit/qt/SpinEdit.h"

#include "toolkit/qt/SELVColumn.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace GP {
namespace {

// Where the digits of a number text start (after blanks and the sign) and
// where its decimal point is (the end when there is none).
struct DigitLayout {
    int start = 0;
    int point = 0;
};

DigitLayout LayoutOf(const QString& text) {
    DigitLayout layout;
    while (layout.start < text.size() &&
           (text[layout.start].isSpace() || text[layout.start] == u'-' || text[layout.start] == u'+'))
        ++layout.start;
    const int point = text.indexOf(u'.', layout.start);
    layout.point = point < 0 ? static_cast<int>(text.size()) : point;
    return layout;
}

} // namespace

// ---------------------------------------------------------------------------
// CSpinEditButton

CSpinEditButton::CSpinEditButton(CSpinEdit& edit) : QWidget(&edit), edit_(edit) {
    setFocusPolicy(Qt::NoFocus);
    setCursor(Qt::ArrowCursor);
}

QSize CSpinEditButton::sizeHint() const {
    const int width = std::max(12, style()->pixelMetric(QStyle::PM_ScrollBarExtent) - 2);
    return {width, edit_.height()};
}

void CSpinEditButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    const int half = height() / 2;
    for (int part = 0; part < 2; ++part) {
        option.rect = QRect(0, part == 0 ? 0 : half, width(), part == 0 ? half : height() - half);
        const bool down = pressed_ == (part == 0 ? 1 : -1);
        option.state = down ? (option.state | QStyle::State_Sunken) : (option.state & ~QStyle::State_Sunken);
        style()->drawPrimitive(QStyle::PE_PanelButtonTool, &option, &painter, this);
        style()->drawPrimitive(part == 0 ? QStyle::PE_IndicatorArrowUp : QStyle::PE_IndicatorArrowDown, &option,
                               &painter, this);
    }
}

void CSpinEditButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton) {
        edit_.OpenSlider();
        return;
    }
    if (event->button() != Qt::LeftButton || pressed_ != 0)
        return;
    pressed_ = event->position().y() < height() / 2.0 ? 1 : -1;
    update();
    edit_.BeginSpin(pressed_);
}

void CSpinEditButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || pressed_ == 0)
        return;
    pressed_ = 0;
    update();
    edit_.EndSpin();
}

// ---------------------------------------------------------------------------
// CSpinEditSlider

CSpinEditSlider::CSpinEditSlider(CSpinEdit& edit) : QSlider(Qt::Horizontal, &edit), edit_(edit) {
    setWindowFlags(Qt::Popup);
    connect(this, &QSlider::valueChanged, this, &CSpinEditSlider::OnMoved);
}

void CSpinEditSlider::Open() {
    const double range = edit_.GetMax() - edit_.GetMin();
    const double step = edit_.GetStep();
    const int positions =
        std::clamp(static_cast<int>(std::lround(step > 0.0 ? range / step : range)), 1, kMaxPositions);
    syncing_ = true;
    setRange(0, positions);
    setSingleStep(1);
    setPageStep(std::max(1, positions / 10));
    const double fraction = range > 0.0 ? (edit_.GetValue() - edit_.GetMin()) / range : 0.0;
    setValue(static_cast<int>(std::lround(fraction * positions)));
    syncing_ = false;
    const QPoint below = edit_.mapToGlobal(QPoint(0, edit_.height()));
    setGeometry(below.x(), below.y(), std::max(edit_.width(), 160), sizeHint().height() + 8);
    edit_.NotifySliding(true);
    show();
    setFocus();
}

void CSpinEditSlider::OnMoved(int position) {
    if (syncing_ || maximum() <= 0)
        return;
    const double value = edit_.GetMin() + (edit_.GetMax() - edit_.GetMin()) * position / maximum();
    if (!edit_.MoveTo(value)) {
        // Refused: the slider goes back to where the value is.
        const double range = edit_.GetMax() - edit_.GetMin();
        syncing_ = true;
        setValue(range > 0.0 ? static_cast<int>(std::lround((edit_.GetValue() - edit_.GetMin()) / range * maximum()))
                             : 0);
        syncing_ = false;
    }
}

void CSpinEditSlider::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        hide();
        return;
    }
    QSlider::keyPressEvent(event);
}

void CSpinEditSlider::hideEvent(QHideEvent* event) {
    QSlider::hideEvent(event);
    edit_.NotifySliding(false);
}

// ---------------------------------------------------------------------------
// CSpinEdit

CSpinEdit::CSpinEdit(QWidget* parent)
    : QLineEdit(parent), timer_(MakeQtSpinTimer()), button_(std::make_unique<CSpinEditButton>(*this)),
      slider_(std::make_unique<CSpinEditSlider>(*this)) {
    SpinSpeedFactor(); // read once per run, as the first spin edit appears
    slider_->hide();
    connect(this, &QLineEdit::cursorPositionChanged, this, &CSpinEdit::OnCaretMoved);
    SetValue(0.0);
}

CSpinEdit::~CSpinEdit() {
    timer_->Stop();
    // Closing the slider now tells no one: the edit is going away.
    sliding_ = false;
    slider_->blockSignals(true);
    slider_->hide();
    slider_.reset();
}

void CSpinEdit::SetRange(double min, double max) {
    min_ = std::min(min, max);
    max_ = std::max(min, max);
}

void CSpinEdit::SetInteger(bool integer) { integer_ = integer; }
void CSpinEdit::SetRadix(int radix) { radix_ = radix == 16 ? 16 : 10; }
void CSpinEdit::SetDecimals(int decimals) { decimals_ = std::clamp(decimals, 0, 15); }
void CSpinEdit::SetFormatFlags(int formatFlags) { formatFlags_ = formatFlags; }

void CSpinEdit::SetStepExponent(int exponent) {
    stepExponent_ = integer_ || radix_ == 16 ? std::max(exponent, 0) : std::max(exponent, -decimals_);
    PlaceCaretAtStepDigit();
}

double CSpinEdit::Clamp(double value) const {
    if (std::isnan(value))
        return min_;
    if (integer_ || radix_ == 16) {
        const double rounded = std::round(value); // half away from zero
        return std::clamp(rounded, std::ceil(min_), std::max(std::ceil(min_), std::floor(max_)));
    }
    return std::clamp(value, min_, max_);
}

QString CSpinEdit::Format(double value) const {
    if (integer_ || radix_ == 16) {
        const long long whole = std::llround(value);
        if (radix_ == 16)
            return (whole < 0 ? QStringLiteral("-") : QString()) +
                   QString::number(static_cast<qulonglong>(whole < 0 ? -whole : whole), 16).toUpper();
        return QString::number(whole);
    }
    const bool integral = std::floor(value) == value;
    if ((formatFlags_ & SELVColumn::kFormatIntegral) && integral)
        return QString::number(value, 'f', (formatFlags_ & SELVColumn::kFormatKeepOneDigit) ? 1 : 0);
    QString text = QString::number(value, 'f', decimals_);
    if ((formatFlags_ & SELVColumn::kFormatDropZeros) && text.contains(u'.')) {
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.')) {
            if (formatFlags_ & SELVColumn::kFormatKeepOneDigit)
                text += u'0';
            else
                text.chop(1);
        }
    }
    return text;
}

bool CSpinEdit::Parse(const QString& text, double* out) const {
    QString trimmed = text.trimmed();
    if (trimmed.isEmpty())
        return false;
    bool ok = false;
    double value = 0.0;
    if (radix_ == 16) {
        const bool negative = trimmed.startsWith(u'-');
        if (negative || trimmed.startsWith(u'+'))
            trimmed.remove(0, 1);
        const qulonglong magnitude = trimmed.toULongLong(&ok, 16);
        value = negative ? -static_cast<double>(magnitude) : static_cast<double>(magnitude);
    } else {
        value = trimmed.toDouble(&ok);
    }
    if (!ok || !std::isfinite(value))
        return false;
    *out = value;
    return true;
}

bool CSpinEdit::GetValue(double* out) const {
    double value = 0.0;
    if (!Parse(text(), &value))
        return false;
    *out = Clamp(value);
    return true;
}

double CSpinEdit::GetValue() const {
    double value = 0.0;
    return GetValue(&value) ? value : Clamp(0.0);
}

void CSpinEdit::SetValue(double value) { ShowText(Format(Clamp(value))); }

double CSpinEdit::GetStep() const { return std::pow(static_cast<double>(radix_), stepExponent_); }

bool CSpinEdit::Spin(int steps) {
    const double current = GetValue();
    const double delta = steps * GetStep();
    const double target = Clamp(current + delta);
    if (target == current)
        return false;
    // The filter sees the step as asked for, so that a list can refuse a step
    // that would take one of its rows past the range.
    const SpinScope scope(*this);
    if (stepFilter_ && !stepFilter_(delta))
        return false;
    ShowText(Format(target));
    return true;
}

bool CSpinEdit::MoveTo(double value) {
    const double current = GetValue();
    const double target = Clamp(value);
    if (target == current)
        return false;
    const SpinScope scope(*this);
    if (stepFilter_ && !stepFilter_(target - current))
        return false;
    ShowText(Format(target));
    return true;
}

// A step outside a running spin or slide is announced as a spin of its own,
// so that listeners tell steps from typing.
CSpinEdit::SpinScope::SpinScope(CSpinEdit& edit) : edit_(edit), announce_(!edit.IsSpinning() && !edit.IsSliding()) {
    if (announce_)
        emit edit_.spinBegin();
}

CSpinEdit::SpinScope::~SpinScope() {
    if (announce_)
        emit edit_.spinEnd();
}

void CSpinEdit::ShowText(const QString& text) {
    settingText_ = true;
    setText(text);
    PlaceCaretAtStepDigit();
    settingText_ = false;
}

void CSpinEdit::PlaceCaretAtStepDigit() {
    const QString current = text();
    const DigitLayout layout = LayoutOf(current);
    int position = 0;
    if (stepExponent_ >= 0)
        position = std::max(layout.start, layout.point - stepExponent_);
    else
        position = std::min(static_cast<int>(current.size()), layout.point + 1 - stepExponent_);
    const bool wasSetting = settingText_;
    settingText_ = true;
    setCursorPosition(position);
    settingText_ = wasSetting;
}

void CSpinEdit::OnCaretMoved(int, int position) {
    if (settingText_)
        return;
    const QString current = text();
    const DigitLayout layout = LayoutOf(current);
    if (layout.point <= layout.start)
        return; // no digits yet
    int exponent = 0;
    if (position <= layout.start)
        exponent = layout.point - layout.start - 1; // before the number: its first digit
    else if (position <= layout.point)
        exponent = layout.point - position; // the digit left of the caret
    else
        exponent = -(position - layout.point - 1);
    stepExponent_ = integer_ || radix_ == 16 ? std::max(exponent, 0) : std::max(exponent, -decimals_);
}

void CSpinEdit::BeginSpin(int direction) {
    if (direction == 0 || spinDirection_ != 0)
        return;
    spinDirection_ = direction > 0 ? 1 : -1;
    emit spinBegin();
    Spin(spinDirection_);
    if (spinDirection_ != 0)
        timer_->Start(SpinFirstDelayMs(SystemKeyboardDelay()), [this] { OnRepeat(); });
}

void CSpinEdit::OnRepeat() {
    if (spinDirection_ == 0)
        return;
    Spin(spinDirection_);
    timer_->Start(SpinRepeatIntervalMs(SystemKeyboardSpeed(), SpinSpeedFactor()), [this] { OnRepeat(); });
}

void CSpinEdit::EndSpin() {
    if (spinDirection_ == 0)
        return;
    timer_->Stop();
    spinDirection_ = 0;
    emit spinEnd();
}

void CSpinEdit::SetTimer(std::unique_ptr<ISpinTimer> timer) {
    if (!timer)
        return;
    timer_->Stop();
    timer_ = std::move(timer);
}

bool CSpinEdit::IsSliding() const { return sliding_; }

void CSpinEdit::NotifySliding(bool sliding) {
    if (sliding == sliding_)
        return;
    sliding_ = sliding;
    if (sliding)
        emit spinBegin();
    else
        emit spinEnd();
}

void CSpinEdit::OpenSlider() {
    if (!slider_->isVisible())
        slider_->Open();
}

void CSpinEdit::keyPressEvent(QKeyEvent* event) {
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    switch (event->key()) {
    case Qt::Key_Up:
    case Qt::Key_Down:
        // Holding the key repeats on our own timing, not the keyboard's.
        if (!event->isAutoRepeat())
            BeginSpin(event->key() == Qt::Key_Up ? 1 : -1);
        event->accept();
        return;
    case Qt::Key_Home:
    case Qt::Key_End:
        if (ctrl) {
            SetValue(event->key() == Qt::Key_Home ? min_ : max_);
            event->accept();
            return;
        }
        break;
    case Qt::Key_F4:
        OpenSlider();
        event->accept();
        return;
    default:
        break;
    }
    QLineEdit::keyPressEvent(event);
}

void CSpinEdit::keyReleaseEvent(QKeyEvent* event) {
    if ((event->key() == Qt::Key_Up || event->key() == Qt::Key_Down) && !event->isAutoRepeat()) {
        EndSpin();
        event->accept();
        return;
    }
    QLineEdit::keyReleaseEvent(event);
}

void CSpinEdit::resizeEvent(QResizeEvent* event) {
    QLineEdit::resizeEvent(event);
    const int width = button_->sizeHint().width();
    button_->setGeometry(this->width() - width - 1, 1, width, height() - 2);
    setTextMargins(0, 0, width, 0);
}

void CSpinEdit::focusOutEvent(QFocusEvent* event) {
    EndSpin();
    QLineEdit::focusOutEvent(event);
}

} // namespace GP
