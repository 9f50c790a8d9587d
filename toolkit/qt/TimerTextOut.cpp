#include "toolkit/qt/TimerTextOut.h"

namespace UL {

CQtOneShotTimer::CQtOneShotTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        if (fired_)
            fired_();
    });
}

void CQtOneShotTimer::Start(int milliseconds, std::function<void()> fired) {
    fired_ = std::move(fired);
    timer_.start(milliseconds);
}

void CQtOneShotTimer::Stop() { timer_.stop(); }

} // namespace UL
