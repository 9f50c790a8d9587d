#include "app/core/HistoryAccess.h"

namespace {

CHistoryRecorder& Nothing() {
    static CHistoryRecorder recorder(nullptr);
    return recorder;
}

CLibrary* library_ = nullptr;          // not owned
IHistoryRecorder* recorder_ = nullptr; // not owned

} // namespace

IHistoryRecorder& GetHistoryRecorder() { return recorder_ ? *recorder_ : Nothing(); }

CLibrary* GetHistoryLibrary() { return library_; }

void SetHistory(CLibrary* library, IHistoryRecorder* recorder) {
    library_ = library;
    recorder_ = recorder;
}
