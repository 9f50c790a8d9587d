#pragma once
// One phase of a transfer made of several (backup, write, read-back): the
// progress display shows the phase's name as its title, whatever title the
// reader or writer running the phase sets, and remembers whether "Cancel"
// was pressed, so that the caller can tell a cancel from a failure.
#include "toolkit/core/Progress.h"

#include <string>

class CPhaseProgress final : public GT::IProgress {
public:
    // inner may be null (no progress shown); not owned.
    CPhaseProgress(GT::IProgress* inner, std::string title) : inner_(inner), title_(std::move(title)) {}

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
    void SetTitle(std::string_view) override {
        if (inner_ != nullptr)
            inner_->SetTitle(title_);
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

    bool WasCancelled() const { return cancelled_; }

private:
    GT::IProgress* inner_;  // not owned
    std::string title_;
    bool cancelled_ = false;
};
