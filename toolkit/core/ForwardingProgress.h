#pragma once
// A progress that stands for another: it passes every call on to the
// progress it wraps (which may be null: nothing shown, never cancelled) and
// remembers whether "Cancel" was pressed, so that the code that put it in
// place can tell a cancelled operation from a failed one after both ended
// with false.
#include "toolkit/core/Progress.h"

namespace GT {

class CForwardingProgress : public IProgress {
public:
    // inner may be null; not owned, outlives this progress.
    explicit CForwardingProgress(IProgress* inner) : inner_(inner) {}

    IProgress* Inner() const { return inner_; }
    // Whether "Cancel" was seen through this progress.
    bool WasCancelled() const { return cancelled_; }

    bool Begin() override { return inner_ == nullptr || inner_->Begin(); }
    void End() override {
        if (inner_ != nullptr)
            inner_->End();
    }
    void SetRange(int maximum) override {
        if (inner_ != nullptr)
            inner_->SetRange(maximum);
    }
    bool SetPos(int position) override { return inner_ == nullptr || inner_->SetPos(position); }
    void SetTitle(std::string_view text) override {
        if (inner_ != nullptr)
            inner_->SetTitle(text);
    }
    bool SetText(std::string_view text) override { return inner_ == nullptr || inner_->SetText(text); }
    void SetCancellable(bool cancellable) override {
        if (inner_ != nullptr)
            inner_->SetCancellable(cancellable);
    }
    bool IsCancelled() override {
        if (inner_ != nullptr && inner_->IsCancelled())
            cancelled_ = true;
        return cancelled_;
    }

private:
    IProgress* inner_; // not owned
    bool cancelled_ = false;
};

} // namespace GT
