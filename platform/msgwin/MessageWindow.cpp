#include "platform/msgwin/MessageWindow.h"

#include <utility>

namespace msgwin {

MessageWindow::MessageWindow(Handler handler)
    : keptQueue_(MessageQueue::SharedForCurrentThread()), queue_(keptQueue_.get()), handler_(std::move(handler)) {}

MessageWindow::MessageWindow(MessageQueue& queue, Handler handler) : queue_(&queue), handler_(std::move(handler)) {}

MessageWindow::~MessageWindow() { queue_->Forget(*this); }

void MessageWindow::DiscardPending() { queue_->Forget(*this); }

void MessageWindow::PostMessage(UINT message, WPARAM wparam, LPARAM lparam) {
    queue_->Post(*this, message, wparam, lparam);
}

LRESULT MessageWindow::Handle(UINT message, WPARAM wparam, LPARAM lparam) {
    return handler_ ? handler_(message, wparam, lparam) : 0;
}

} // namespace msgwin
