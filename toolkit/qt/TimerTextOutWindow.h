#pragma once
// The transient message window: a small pop-up over the main window that
// shows the last text it was given (the MIDI connection reports) and hides
// itself when the display time has passed since the last one.
#include "toolkit/qt/TimerTextOut.h"

#include <QLabel>
#include <QPointer>

#include <memory>

namespace UL {

class CTimerTextOutWindow : public ATimerTextOut {
public:
    // The pop-up itself: a tool window showing one text.
    class CWindowX : public QLabel {
    public:
        explicit CWindowX(QWidget* owner);
    };

    explicit CTimerTextOutWindow(std::unique_ptr<IOneShotTimer> timer = std::make_unique<CQtOneShotTimer>());
    ~CTimerTextOutWindow() override;
    CTimerTextOutWindow(const CTimerTextOutWindow&) = delete;
    CTimerTextOutWindow& operator=(const CTimerTextOutWindow&) = delete;

    // The window the pop-up is centred over and kept above; without one, the
    // active window when the pop-up is first made. Not owned.
    void SetOwner(QWidget* owner) { owner_ = owner; }

    // Shows the text (replacing the one shown) and restarts the display time.
    void Output(std::string_view text) override;

    bool IsShown() const;
    // The pop-up, null until the first output.
    CWindowX* Window() const { return window_.data(); }

private:
    void Hide();
    void Place();

    std::unique_ptr<IOneShotTimer> timer_;
    QPointer<QWidget> owner_; // not owned
    // Owned by the owner window as its child when there is one (and gone
    // with it), else deleted here.
    QPointer<CWindowX> window_;
};

// The process-wide transient window, created on first use and destroyed with
// the application object.
CTimerTextOutWindow& GetTimerTextOutWindow();

} // namespace UL
