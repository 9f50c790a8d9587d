#pragma once
// A hidden window that only receives posted messages: the hand-over of a
// MIDI input device from the port's dispatch thread to the user-interface
// thread. It belongs to the queue of the thread that creates it (or the one
// given); its handler runs on that thread when a pump takes a message.
// Destroying the window drops its pending messages; the owner must make sure
// no other thread still posts to it by then.
#include "platform/msgwin/MessageQueue.h"
#include "platform/msgwin/Messages.h"

#include <functional>
#include <memory>

namespace msgwin {

class MessageWindow {
public:
    using Handler = std::function<LRESULT(UINT message, WPARAM wparam, LPARAM lparam)>;

    explicit MessageWindow(Handler handler);
    MessageWindow(MessageQueue& queue, Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // Any thread: queues the message and returns at once.
    void PostMessage(UINT message, WPARAM wparam, LPARAM lparam);

    // Drops this window's pending messages (those whose parameters point at
    // memory that is about to go).
    void DiscardPending();

    MessageQueue& Queue() const { return *queue_; }

    // Runs the handler on the calling thread; the queue's pumps use it.
    LRESULT Handle(UINT message, WPARAM wparam, LPARAM lparam);

private:
    std::shared_ptr<MessageQueue> keptQueue_; // the thread's own queue, or null
    MessageQueue* queue_;                     // not owned
    Handler handler_;
};

} // namespace msgwin
