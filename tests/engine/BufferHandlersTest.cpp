#include "engine/BufferHandlers.h"

#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

namespace {

// Answers a fixed result on every hook and logs "<name><hook>" for each call
// (hook 5 also logs its second argument) and "<name>~" when deleted.
class LoggingHandler : public IOruBufferHandler {
public:
    LoggingHandler(std::string name, bool answer, std::vector<std::string>& log)
        : name_(std::move(name)), answer_(answer), log_(log) {}
    ~LoggingHandler() override { log_.push_back(name_ + "~"); }

    bool Hook1(OruBufferBytes b) override { return Called(1, b); }
    bool Hook2(OruBufferBytes b) override { return Called(2, b); }
    bool Hook3(OruBufferBytes b) override { return Called(3, b); }
    bool Hook4(OruBufferBytes b) override { return Called(4, b); }
    bool Hook5(OruBufferBytes b, int value) override { return Called(5, b, "/" + std::to_string(value)); }
    bool Hook6(OruBufferBytes b) override { return Called(6, b); }
    bool Hook7(OruBufferBytes b) override { return Called(7, b); }

private:
    bool Called(int hook, OruBufferBytes bytes, const std::string& extra = "") {
        log_.push_back(name_ + std::to_string(hook) + ":" + std::to_string(bytes.size()) + extra);
        return answer_;
    }
    std::string name_;
    bool answer_;
    std::vector<std::string>& log_;
};

const std::array<std::uint8_t, 3> kBytes{0xF0, 0x41, 0xF7};

bool CallHook(IOruBufferHandler& handler, int hook) {
    switch (hook) {
    case 1:
        return handler.Hook1(kBytes);
    case 2:
        return handler.Hook2(kBytes);
    case 3:
        return handler.Hook3(kBytes);
    case 4:
        return handler.Hook4(kBytes);
    case 5:
        return handler.Hook5(kBytes, 9);
    case 6:
        return handler.Hook6(kBytes);
    default:
        return handler.Hook7(kBytes);
    }
}

TEST(BufferHandlers, EveryHookCallsAllHandlersAndAnswersWhetherAnyHandledIt) {
    std::vector<std::string> log;
    COruBufferHandlers mixed, none, empty;
    mixed.Add(std::make_unique<LoggingHandler>("y", true, log));
    mixed.Add(std::make_unique<LoggingHandler>("n", false, log));
    none.Add(std::make_unique<LoggingHandler>("a", false, log));
    none.Add(std::make_unique<LoggingHandler>("b", false, log));
    EXPECT_FALSE(mixed.Add(nullptr));
    for (int hook = 1; hook <= 7; ++hook) {
        const std::string args = ":3" + std::string(hook == 5 ? "/9" : "");
        log.clear();
        EXPECT_TRUE(CallHook(mixed, hook)) << "hook " << hook;
        EXPECT_FALSE(CallHook(none, hook)) << "hook " << hook;
        EXPECT_FALSE(CallHook(empty, hook)) << "hook " << hook;
        const std::string h = std::to_string(hook);
        EXPECT_EQ(log, (std::vector<std::string>{"y" + h + args, "n" + h + args, "a" + h + args, "b" + h + args}));
    }
    log.clear();
}

TEST(BufferHandlers, DeletesItsHandlersInListOrder) {
    std::vector<std::string> log;
    {
        COruBufferHandlers handlers;
        handlers.Add(std::make_unique<LoggingHandler>("first", false, log));
        handlers.Add(std::make_unique<LoggingHandler>("second", false, log));
        EXPECT_EQ(handlers.Size(), 2u);
    }
    EXPECT_EQ(log, (std::vector<std::string>{"first~", "second~"}));
}

} // namespace
