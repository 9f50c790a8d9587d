#pragma once
// One phase of a transfer made of several (backup, write, read-back): the
// progress display shows the phase's name as its title, whatever title the
// reader or writer running the phase sets, and remembers whether "Cancel"
// was pressed, so that the caller can tell a cancel from a failure.
#include "toolkit/core/ForwardingProgress.h"

#include <string>

class CPhaseProgress final : public GT::CForwardingProgress {
public:
    // inner may be null (no progress shown); not owned.
    CPhaseProgress(GT::IProgress* inner, std::string title) : CForwardingProgress(inner), title_(std::move(title)) {}

    void SetTitle(std::string_view) override { CForwardingProgress::SetTitle(title_); }

private:
    std::string title_;
};
