#pragma once
// A numeric line edit: integer or real, decimal or signed hexadecimal, kept in
// [min, max]. Up/Down, its button and its pop-up slider step the digit at the
// caret; holding a key or the button repeats with the keyboard's timing.
#include "toolkit/qt/SpinEditRepeat.h"

#include <QLineEdit>
#include <QSlider>
#include <QWidget>

#include <functional>
#include <memory>

namespace GP {

class CSpinEdit;

// The up/down button inside the edit's right edge. A left press on its upper
// or lower half spins up or down until released; a right press opens the
// slider.
class CSpinEditButton : public QWidget {
    Q_OBJECT
public:
    explicit CSpinEditButton(CSpinEdit& edit);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    CSpinEdit& edit_;
    int pressed_ = 0; // +1 upper half, -1 lower half, 0 none
};

// The pop-up slider over the whole range: arrow keys step by a line, Page
// Up/Down by a page, Home/End jump to min/max. A press outside closes it.
class CSpinEditSlider : public QSlider {
    Q_OBJECT
public:
    static constexpr int kMaxPositions = 1000;
    explicit CSpinEditSlider(CSpinEdit& edit);
    void Open();

protected:
    void hideEvent(QHideEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void OnMoved(int position);
    CSpinEdit& edit_;
    bool syncing_ = false;
};

class CSpinEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CSpinEdit(QWidget* parent = nullptr);
    ~CSpinEdit() override;

    // Number format and range.
    void SetRange(double min, double max);
    void SetInteger(bool integer);
    void SetRadix(int radix); // 10 or 16
    void SetDecimals(int decimals);
    void SetFormatFlags(int formatFlags); // SELVColumn::kFormat*
    void SetStepExponent(int exponent);
    double GetMin() const { return min_; }
    double GetMax() const { return max_; }
    bool IsInteger() const { return integer_; }
    int GetRadix() const { return radix_; }

    // The value, clamped; SetValue shows it formatted without asking the
    // step filter.
    double GetValue() const;
    // False when the text is not a number.
    bool GetValue(double* out) const;
    void SetValue(double value);
    double Clamp(double value) const;
    QString Format(double value) const;
    bool Parse(const QString& text, double* out) const;

    // The stepped digit: radix^GetStepExponent().
    int GetStepExponent() const { return stepExponent_; }
    double GetStep() const;
    // Moves the value by steps × GetStep(). The filter, when set, sees the
    // change first and may refuse it; returns false when refused or when the
    // value did not move.
    bool Spin(int steps);
    // Moves to value (clamped) through the step filter.
    bool MoveTo(double value);
    using StepFilter = std::function<bool(double delta)>;
    void SetStepFilter(StepFilter filter) { stepFilter_ = std::move(filter); }

    // Repeating: BeginSpin steps once and starts the repeat, EndSpin stops it.
    void BeginSpin(int direction);
    void EndSpin();
    bool IsSpinning() const { return spinDirection_ != 0; }
    bool IsSliding() const;
    void SetTimer(std::unique_ptr<ISpinTimer> timer);
    ISpinTimer& GetTimer() { return *timer_; }

    void OpenSlider();
    CSpinEditButton& GetButton() { return *button_; }
    CSpinEditSlider& GetSlider() { return *slider_; }

signals:
    // A spin or slide begins and ends (the list keeps its copies quiet meanwhile).
    void spinBegin();
    void spinEnd();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    friend class CSpinEditSlider;
    class SpinScope {
    public:
        explicit SpinScope(CSpinEdit& edit);
        ~SpinScope();
        SpinScope(const SpinScope&) = delete;
        SpinScope& operator=(const SpinScope&) = delete;

    private:
        CSpinEdit& edit_;
        bool announce_;
    };
    void OnRepeat();
    void OnCaretMoved(int oldPos, int newPos);
    void PlaceCaretAtStepDigit();
    void ShowText(const QString& text);
    void NotifySliding(bool sliding);

    double min_ = 0.0;
    double max_ = 100.0;
    bool integer_ = true;
    int radix_ = 10;
    int decimals_ = 0;
    int formatFlags_ = 0;
    int stepExponent_ = 0;
    int spinDirection_ = 0;
    bool sliding_ = false;
    bool settingText_ = false;
    StepFilter stepFilter_;
    std::unique_ptr<ISpinTimer> timer_;
    std::unique_ptr<CSpinEditButton> button_;
    std::unique_ptr<CSpinEditSlider> slider_;
};

} // namespace GP
