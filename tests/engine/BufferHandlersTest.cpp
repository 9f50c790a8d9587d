#include "engine/BufferHandlers.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

// Answers a fixed result on every hook and logs "<name>:<hook>" for each call
// and "<name>:deleted" when destroyed, into a log the test keeps.
class LoggingHandler : public IOruBufferHandler {
public:
    LoggingHandler(std::string name, bool answer, std::vector<std::string>& log)
        : name_(std::move(name)), answer_(answer), log_(log) {}
    ~LoggingHandler() override { log_.push_back(name_ + ":deleted"); }

    bool Hook1(OruBufferBytes) override { return Called(1); }
    bool Hook2(OruBufferBytes) override { return Called(2); }
    bool Hook3(OruBufferBytes) override { return Called(3); }
    bool Hook4(OruBufferBytes) override { return Called(4); }
    bool Hook5(OruBufferBytes bytes, int value) override {
        lastSize = bytes.size();
        lastValue = value;
        return Called(5);
    }
    bool Hook6(OruBufferBytes) override { return Called(6); }
    bool Hook7(OruBufferBytes) override { return Called(7); }

    std::size_t lastSize = 0;
    int lastValue = 0;

private:
    bool Called(int hook) {
        log_.push_back(name_ + ":" + std::to_string(hook));
        return answer_;
    }
    std::string name_;
    bool answer_;
    std::vector<std::string>& log_;
};

const std::array<std::uint8_t, 3> kBytes{0xF0, 0x41, 0xF7};

bool CallHook(IOruBufferHandler& handler, int hook) {
    switch (hook) {
    case 1: return handler.Hook1(kBytes);
    case 2: return handler.Hook2(kBytes);
    case 3: return handler.Hook3(kBytes);
    case 4: return handler.Hook4(kBytes);
    case 5: return handler.Hook5(kBytes, 9);
    case 6: return handler.Hook6(kBytes);
    default: return handler.Hook7(kBytes);
    }
}

TEST(BufferHandlers, EveryHookCallsAllHandlersEvenAfterTrue) {
    std::vector<std::string> log;
    COruBufferHandlers handlers;
    handlers.Add(std::make_unique<LoggingHandler>("yes", true, log));
    handlers.Add(std::make_unique<LoggingHandler>("no", false, log));
    for (int hook = 1; hook <= 7; ++hook) {
        log.clear();
        EXPECT_TRUE(CallHook(handlers, hook)) << "hook " << hook;
        EXPECT_EQ(log, (std::vector<std::string>{"yes:" + std::to_string(hook), "no:" + std::to_string(hook)}));
    }
    log.clear();
}

TEST(BufferHandlers, FalseWhenNoneHandlesOrListIsEmpty) {
    std::vector<std::string> log;
    COruBufferHandlers empty;
    COruBufferHandlers handlers;
    handlers.Add(std::make_unique<LoggingHandler>("a", false, log));
    handlers.Add(std::make_unique<LoggingHandler>("b", false, log));
    for (int hook = 1; hook <= 7; ++hook) {
        EXPECT_FALSE(CallHook(empty, hook));
        EXPECT_FALSE(CallHook(handlers, hook));
    }
    EXPECT_EQ(log.size(), 14u);
}

TEST(BufferHandlers, BaseHooksAnswerFalse) {
    IOruBufferHandler base;
    for (int hook = 1; hook <= 7; ++hook)
        EXPECT_FALSE(CallHook(base, hook));
}

TEST(BufferHandlers, PassesArgumentsOnAndDeletesHandlersInListOrder) {
    std::vector<std::string> log;
    {
        COruBufferHandlers handlers;
        auto first = std::make_unique<LoggingHandler>("first", false, log);
        LoggingHandler* seen = first.get();
        EXPECT_TRUE(handlers.Add(std::move(first)));
        EXPECT_FALSE(handlers.Add(nullptr));
        handlers.Add(std::make_unique<LoggingHandler>("second", false, log));
        EXPECT_EQ(handlers.Size(), 2u);
        handlers.Hook5(kBytes, 42);
        EXPECT_EQ(seen->lastSize, 3u);
        EXPECT_EQ(seen->lastValue, 42);
        log.clear();
    }
    EXPECT_EQ(log, (std::vector<std::string>{"first:deleted", "second:deleted"}));
}

} // namespace
