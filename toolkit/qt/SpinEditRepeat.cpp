#include "toolkit/qt/SpinEditRepeat.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTextStream>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace GP {
namespace {

class CQtSpinTimer : public ISpinTimer {
public:
    CQtSpinTimer() {
        timer_.setSingleShot(true);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (onTimeout_)
                onTimeout_();
        });
    }
    void Start(int milliseconds, std::function<void()> onTimeout) override {
        onTimeout_ = std::move(onTimeout);
        timer_.start(milliseconds);
    }
    void Stop() override { timer_.stop(); }
    bool IsActive() const override { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTimeout_;
};

} // namespace

std::unique_ptr<ISpinTimer> MakeQtSpinTimer() { return std::make_unique<CQtSpinTimer>(); }

int SpinFirstDelayMs(int keyboardDelay) {
    const double delay = std::clamp(keyboardDelay, 0, 3);
    return static_cast<int>(std::lround(delay / 3.0 * 750.0 + 250.0));
}

int SpinRepeatIntervalMs(int keyboardSpeed, double speedFactor) {
    const double speed = std::clamp(keyboardSpeed, 0, 31);
    const double factor = speedFactor > 0.0 ? speedFactor : 1.0;
    const double interval = 1000.0 / (speed / 31.0 * 27.5 + 2.5) / factor;
    return std::max(1, static_cast<int>(std::lround(interval)));
}

int SystemKeyboardDelay() {
    // This desktop offers no delay setting to programs; 1 is the usual one
    // (500 ms before the first repeat).
    return 1;
}

int SystemKeyboardSpeed() {
    // The repeat rate in characters per second, mapped back onto 0..31.
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    // Qt 6.5 gives the rate with its fraction and deprecates the whole number.
    const double rate = QGuiApplication::styleHints()->keyboardAutoRepeatRateF();
#else
    const double rate = QGuiApplication::styleHints()->keyboardAutoRepeatRate();
#endif
    if (rate <= 0.0)
        return 31;
    return std::clamp(static_cast<int>(std::lround((rate - 2.5) / 27.5 * 31.0)), 0, 31);
}

double ReadSpinSpeedFactor(const QString& filePath) {
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return 1.0;
    QTextStream stream(&file);
    bool ok = false;
    const double factor = stream.readLine().trimmed().toDouble(&ok);
    if (!ok || !(factor > 0.0) || !std::isfinite(factor))
        return 1.0;
    return factor;
}

QString SpinSpeedFactorFilePath() {
    return QDir(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation)).filePath("SpinEdit.ini");
}

double SpinSpeedFactor() {
    static const double factor = ReadSpinSpeedFactor(SpinSpeedFactorFilePath());
    return factor;
}

} // namespace GP
