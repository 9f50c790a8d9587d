#pragma once
// The cursor stack: code that runs for a while asks for a cursor (the wait
// cursor, mostly) and hands the request back when done, in any order. The
// top request decides the cursor; with none, the windows show their own.
#include <functional>
#include <utility>
#include <vector>

namespace UL {

enum CursorKind : int {
    kCursorArrow = 0,
    kCursorWait = 1,
    kCursorIBeam = 2,
    kCursorCross = 3,
    // higher kinds are cursors of the program's own
};
// Passed to the applier when no request is left: the windows' own cursor.
constexpr int kCursorDefault = -1;

class ICursorChanger;

class ICursor {
public:
    virtual ~ICursor() = default;
    // Adds a request on top, applies its cursor and returns its number.
    virtual int Push(int kind, const ICursorChanger* changer = nullptr) = 0;
    // Removes the request with that number wherever it is and applies the
    // cursor of the top request (or the default). False for an unknown number.
    virtual bool Pop(int number) = 0;
    virtual bool IsEmpty() const = 0;
    // Number of the top request, -1 when the stack is empty.
    virtual int Top() const = 0;
};

// The stack itself; a derived class says how a cursor is shown.
class ACursor : public ICursor {
public:
    ACursor();
    int Push(int kind, const ICursorChanger* changer = nullptr) override;
    bool Pop(int number) override;
    bool IsEmpty() const override { return stack_.empty(); }
    int Top() const override { return stack_.empty() ? -1 : stack_.back().number; }

protected:
    virtual void Apply(int kind) = 0;
    // The number the next request is given (if it is free).
    void SetNextNumber(int number) { next_ = number < 0 ? 0 : number; }

private:
    struct Entry {
        int number;
        int kind;
        const ICursorChanger* changer; // not owned
    };
    int TakeNumber();

    std::vector<Entry> stack_;
    int next_ = 0;
};

// A cursor stack whose cursors are shown by an injected function; without
// one, requests are only recorded.
class CCursor : public ACursor {
public:
    using Applier = std::function<void(int kind)>;
    explicit CCursor(Applier applier = {}) : applier_(std::move(applier)) {}
    void SetApplier(Applier applier) { applier_ = std::move(applier); }

protected:
    void Apply(int kind) override;

private:
    Applier applier_;
};

// The process-wide cursor stack, created on first use; the windows install
// the applier that sets the application's cursor.
CCursor& GetCursor();

} // namespace UL
