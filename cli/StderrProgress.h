#pragma once
// Transfer progress on standard error: one line per patch, the patch's label
// followed by what happens to it ("MEMORY  1: reading"). A transfer made of
// phases names each by its title ("MEMORY  1: verifying"). Ctrl-C cancels the
// transfer before the next patch, as "Cancel" in the progress dialog does.
#include "cli/InterruptGuard.h"
#include "toolkit/core/Progress.h"

#include <string>

namespace cli {

class CStderrProgress final : public GT::IProgress {
public:
    // verb: "reading", "writing", ...
    explicit CStderrProgress(std::string verb) : verb_(std::move(verb)) {}

    bool Begin() override { return true; }
    void End() override {}
    void SetRange(int) override {}
    bool SetPos(int) override { return true; }
    // A phase's title becomes the verb; an empty title keeps the verb.
    void SetTitle(std::string_view title) override;
    bool SetText(std::string_view text) override;
    void SetCancellable(bool) override {}
    bool IsCancelled() override { return StopRequested(); }

private:
    std::string verb_;
};

} // namespace cli
