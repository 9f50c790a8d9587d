#include "engine/WaitObserver.h"

namespace {

IOruWaitObserver*& Observer() {
    static IOruWaitObserver* observer = nullptr;
    return observer;
}

} // namespace

void SetWaitObserver(IOruWaitObserver* observer) { Observer() = observer; }

IOruWaitObserver* GetWaitObserver() { return Observer(); }
