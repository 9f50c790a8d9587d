#pragma once
// A composite buffer handler: every hook is passed to all handlers of its
// list, which it owns.
#include "engine/BufferHandler.h"

#include <cstddef>
#include <memory>
#include <vector>

class COruBufferHandlers : public IOruBufferHandler {
public:
    COruBufferHandlers() = default;
    COruBufferHandlers(const COruBufferHandlers&) = delete;
    COruBufferHandlers& operator=(const COruBufferHandlers&) = delete;
    // Deletes the handlers in list order.
    ~COruBufferHandlers() override;

    // Appends a handler; a null handler is refused.
    bool Add(std::unique_ptr<IOruBufferHandler> handler);
    std::size_t Size() const { return handlers_.size(); }

    // Each hook calls the same hook of every handler in list order, even after
    // one has answered true, and answers true when any of them did (false for
    // an empty list).
    bool Hook1(OruBufferBytes bytes) override;
    bool Hook2(OruBufferBytes bytes) override;
    bool Hook3(OruBufferBytes bytes) override;
    bool Hook4(OruBufferBytes bytes) override;
    bool Hook5(OruBufferBytes bytes, int value) override;
    bool Hook6(OruBufferBytes bytes) override;
    bool Hook7(OruBufferBytes bytes) override;

private:
    template <typename Hook, typename... Args>
    bool CallAll(Hook hook, Args... args);

    std::vector<std::unique_ptr<IOruBufferHandler>> handlers_;
};
