#pragma once
// Scope objects that hold a cursor request for their lifetime.
#include "toolkit/core/Cursor.h"

namespace UL {

class ICursorChanger {
public:
    virtual ~ICursorChanger() = default;
    // The number of the request this changer holds.
    virtual int GetNumber() const = 0;
};

// Pushes a cursor request when constructed and pops it when destroyed.
class ACursorChanger : public ICursorChanger {
public:
    ACursorChanger(ICursor& cursor, int kind) : cursor_(cursor), number_(cursor.Push(kind, this)) {}
    ~ACursorChanger() override { cursor_.Pop(number_); }
    ACursorChanger(const ACursorChanger&) = delete;
    ACursorChanger& operator=(const ACursorChanger&) = delete;

    int GetNumber() const override { return number_; }

private:
    ICursor& cursor_; // not owned
    int number_;
};

// The wait cursor for the lifetime of the object.
class CWaitCursor : public ACursorChanger {
public:
    CWaitCursor() : ACursorChanger(GetCursor(), kCursorWait) {}
    explicit CWaitCursor(ICursor& cursor) : ACursorChanger(cursor, kCursorWait) {}
};

} // namespace UL
