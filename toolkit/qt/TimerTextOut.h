#pragma once
// Text sinks that show each output for a limited time, and the one-shot
// timer they run on (injected, so tests can drive time themselves).
#include "toolkit/core/TextOut.h"

#include <QMargins>
#include <QTimer>

#include <functional>

namespace UL {

class IOneShotTimer {
public:
    virtual ~IOneShotTimer() = default;
    // (Re)starts the timer; fired runs once, milliseconds from now.
    virtual void Start(int milliseconds, std::function<void()> fired) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// The timer of the running program: a QTimer on the event loop.
class CQtOneShotTimer : public IOneShotTimer {
public:
    CQtOneShotTimer();
    void Start(int milliseconds, std::function<void()> fired) override;
    void Stop() override;
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> fired_;
};

// A text sink with a display time (3000 ms) and the margins (20 pixels each)
// around the text it shows.
class ATimerTextOut : public GT::ATextOut {
public:
    static constexpr int kDefaultDisplayTime = 3000;
    static constexpr int kDefaultMargin = 20;

    int GetDisplayTime() const { return displayTime_; }
    void SetDisplayTime(int milliseconds) { displayTime_ = milliseconds; }
    const QMargins& GetMargins() const { return margins_; }
    void SetMargins(const QMargins& margins) { margins_ = margins; }

private:
    int displayTime_ = kDefaultDisplayTime;
    QMargins margins_{kDefaultMargin, kDefaultMargin, kDefaultMargin, kDefaultMargin};
};

} // namespace UL
