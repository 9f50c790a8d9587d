#include "engine/BufferHandlers.h"

#include <utility>

COruBufferHandlers::~COruBufferHandlers() {
    for (auto& handler : handlers_)
        handler.reset();
}

bool COruBufferHandlers::Add(std::unique_ptr<IOruBufferHandler> handler) {
    if (!handler)
        return false;
    handlers_.push_back(std::move(handler));
    return true;
}

template <typename Hook, typename... Args>
bool COruBufferHandlers::CallAll(Hook hook, Args... args) {
    bool handled = false;
    for (auto& handler : handlers_) {
        // Every handler is called, so no short-circuit on handled.
        if (((*handler).*hook)(args...))
            handled = true;
    }
    return handled;
}

bool COruBufferHandlers::Hook1(OruBufferBytes bytes) { return CallAll(&IOruBufferHandler::Hook1, bytes); }
bool COruBufferHandlers::Hook2(OruBufferBytes bytes) { return CallAll(&IOruBufferHandler::Hook2, bytes); }
bool COruBufferHandlers::Hook3(OruBufferBytes bytes) { return CallAll(&IOruBufferHandler::Hook3, bytes); }
bool COruBufferHandlers::Hook4(OruBufferBytes bytes) { return CallAll(&IOruBufferHandler::Hook4, bytes); }
bool COruBufferHandlers::Hook5(OruBufferBytes bytes, int value) {
    return CallAll(&IOruBufferHandler::Hook5, bytes, value);
}
bool COruBufferHandlers::Hook6(OruBufferBytes bytes) { return CallAll(&IOruBufferHandler::Hook6, bytes); }
bool COruBufferHandlers::Hook7(OruBufferBytes bytes) { return CallAll(&IOruBufferHandler::Hook7, bytes); }
