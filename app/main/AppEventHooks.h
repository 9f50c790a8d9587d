#pragma once
// Ties the engine's posted MIDI messages and the idle-time flush into Qt's
// event loop for as long as the object lives:
// - received MIDI is posted (from the ports' dispatch threads) to the hidden
//   windows of the user-interface thread; the wake hook schedules a queued
//   call on that thread which handles everything pending, unless a transfer
//   is inside a progress report (the transfer takes its own replies);
// - while a transfer pumps the queue itself, the paint hook delivers the
//   windows' pending repaints, so the windows stay drawn during a read;
// - when the event loop is about to wait, a message held by the buffered
//   error output is shown (the application's idle processing).
#include "platform/msgwin/MessageQueue.h"

#include <QObject>
#include <QTimer>

#include <atomic>
#include <memory>

class CAppEventHooks : public QObject {
    Q_OBJECT
public:
    // Installs the hooks on the queue of the calling (user-interface) thread.
    CAppEventHooks();
    ~CAppEventHooks() override;
    CAppEventHooks(const CAppEventHooks&) = delete;
    CAppEventHooks& operator=(const CAppEventHooks&) = delete;

    // The idle step: the buffered error output shows what it holds.
    static void OnIdle();

private:
    // Any thread.
    void Wake();
    // User-interface thread.
    void Dispatch();
    void OnAboutToBlock();

    std::shared_ptr<msgwin::MessageQueue> queue_;
    std::atomic<bool> scheduled_{false};
    bool idleQueued_ = false;
    // While a progress report runs the messages stay queued; this looks again
    // a little later in case the transfer ended without taking them.
    QTimer retry_;
};
