#pragma once
// The progress dialog of long operations: modeless, with a line of text, a
// bar and a "Cancel" button offered only while the operation can stop. Its
// owner window is disabled while it shows. Every report lets the user
// interface run (Qt events only: MIDI messages posted to the program's
// hidden windows stay queued for the transfer that waits for them).
#include "toolkit/core/Progress.h"

#include <QDialog>
#include <QLabel>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

namespace UL {

// The bar position for position of maximum on a bar of 0..range, rounded;
// 0 for a maximum of 0 or less, positions outside 0..maximum clamped.
int ProgressControlPosition(int range, int position, int maximum);
// The bar's range for a maximum: 0..min(1000, maximum).
int ProgressControlRange(int maximum);

class CProgressBar : public QDialog, public GT::IProgress {
    Q_OBJECT
public:
    static constexpr int kMaxControlRange = 1000;

    CProgressBar();
    ~CProgressBar() override;

    bool Begin() override;
    void End() override;
    void SetRange(int maximum) override;
    bool SetPos(int position) override;
    void SetTitle(std::string_view text) override;
    bool SetText(std::string_view text) override;
    void SetCancellable(bool cancellable) override;
    bool IsCancelled() override;
    // A second line under the text: what the operation waits for now; empty
    // hides it.
    void SetDetail(const QString& detail);

    bool IsShown() const { return isVisible(); }
    bool IsCancellable() const { return cancellable_; }
    // True while a report lets the user interface run: whoever dispatches
    // the program's posted MIDI messages from the event loop leaves them
    // queued then.
    bool IsPumping() const { return pumping_ > 0; }
    // The window disabled while the dialog shows (null when none was).
    QWidget* DisabledOwner() const { return owner_; }
    const QProgressBar& Bar() const { return bar_; }
    const QLabel& TextLabel() const { return text_; }
    const QLabel& DetailLabel() const { return detail_; }
    QPushButton& CancelButton() { return cancel_; }

    // Escape: the same as "Cancel"; the dialog stays up.
    void reject() override;

protected:
    // Lets the user interface handle what is pending.
    virtual void ProcessPendingMessages();
    void closeEvent(QCloseEvent* event) override;

private:
    bool Show();
    void UpdateBar();
    void Pump();
    void OnCancel();
    static QWidget* FindOwner(const QWidget* self);

    int maximum_ = 100;
    int position_ = 0;
    bool cancellable_ = false;
    bool cancelled_ = false;
    int controlRange_ = -1;
    int controlPosition_ = -1;
    int pumping_ = 0;
    QPointer<QWidget> owner_; // not owned
    QVBoxLayout layout_;
    QLabel text_;
    QLabel detail_;
    QProgressBar bar_;
    QPushButton cancel_;
};

// The variant the program's own progress dialogs derive from.
class CProgressBarA : public CProgressBar {
    Q_OBJECT
public:
    CProgressBarA() = default;
};

// The transfer progress dialog of reading and writing the unit.
class CProgressBarB : public CProgressBarA {
    Q_OBJECT
public:
    CProgressBarB() = default;
};

// The process-wide transfer progress dialog, created on first use and
// destroyed with the application object.
CProgressBarB& GetProgressBarB();

} // namespace UL
