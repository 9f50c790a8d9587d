#pragma once
// Repeat timing of the spin editors: the first repeat follows the keyboard
// delay, later ones the keyboard speed divided by the speed factor of
// "SpinEdit.ini". The timer is an interface so tests drive it by hand.
#include <QString>

#include <functional>
#include <memory>

namespace GP {

// One-shot timer: Start replaces any pending shot.
class ISpinTimer {
public:
    virtual ~ISpinTimer() = default;
    virtual void Start(int milliseconds, std::function<void()> onTimeout) = 0;
    virtual void Stop() = 0;
    virtual bool IsActive() const = 0;
};

// The real timer, on the Qt event loop.
std::unique_ptr<ISpinTimer> MakeQtSpinTimer();

// keyboardDelay 0..3 (0 shortest): (delay / 3 * 750 + 250) ms.
int SpinFirstDelayMs(int keyboardDelay);
// keyboardSpeed 0..31 (31 fastest): 1000 / (speed / 31 * 27.5 + 2.5) ms,
// divided by the speed factor; never below 1 ms.
int SpinRepeatIntervalMs(int keyboardSpeed, double speedFactor);

// The keyboard settings of this desktop in the 0..3 and 0..31 scales.
int SystemKeyboardDelay();
int SystemKeyboardSpeed();

// The speed factor from the first line of the file: 1 when the file is
// missing, the line is not a number or the number is not above 0.
double ReadSpinSpeedFactor(const QString& filePath);
// Where "SpinEdit.ini" is looked for: the program's configuration folder.
QString SpinSpeedFactorFilePath();
// The factor of this run, read from SpinSpeedFactorFilePath() on first use.
double SpinSpeedFactor();

} // namespace GP
