#include "toolkit/core/Cursor.h"

#include <algorithm>
#include <climits>

namespace UL {
namespace {
constexpr std::size_t kReservedRequests = 32;
}

ACursor::ACursor() { stack_.reserve(kReservedRequests); }

int ACursor::TakeNumber() {
    // Numbers count up and start again at 0 instead of turning negative; one
    // still held by a request is skipped so that Pop stays unambiguous.
    for (;;) {
        const int number = next_;
        next_ = next_ == INT_MAX ? 0 : next_ + 1;
        const bool inUse =
            std::any_of(stack_.begin(), stack_.end(), [number](const Entry& e) { return e.number == number; });
        if (!inUse)
            return number;
    }
}

int ACursor::Push(int kind, const ICursorChanger* changer) {
    const int number = TakeNumber();
    stack_.push_back({number, kind, changer});
    Apply(kind);
    return number;
}

bool ACursor::Pop(int number) {
    const auto it =
        std::find_if(stack_.begin(), stack_.end(), [number](const Entry& e) { return e.number == number; });
    if (it == stack_.end())
        return false;
    stack_.erase(it);
    Apply(stack_.empty() ? kCursorDefault : stack_.back().kind);
    return true;
}

void CCursor::Apply(int kind) {
    if (applier_)
        applier_(kind);
}

CCursor& GetCursor() {
    static CCursor cursor;
    return cursor;
}

} // namespace UL
