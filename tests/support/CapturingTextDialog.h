#pragma once
// A text dialog for tests: records every text it is asked to show and answers
// with a preset result. Installed for the lifetime of the object.
#include "toolkit/core/TextDialog.h"

#include <memory>
#include <string>
#include <vector>

namespace test {

class CapturingTextDialog {
public:
    struct Shown {
        std::string text;
        int buttons;
        int icon;
        // The label of the button beside OK (ShowWithAction), or empty.
        std::string action;
    };

    explicit CapturingTextDialog(int answer = UL::kResultOk);
    ~CapturingTextDialog();
    CapturingTextDialog(const CapturingTextDialog&) = delete;
    CapturingTextDialog& operator=(const CapturingTextDialog&) = delete;

    const std::vector<Shown>& shown() const { return *shown_; }
    void clear() { shown_->clear(); }
    void setAnswer(int answer) { *answer_ = answer; }
    // Whether a message with a button beside OK is answered with that button.
    void setPressAction(bool press) { *pressAction_ = press; }

private:
    std::shared_ptr<std::vector<Shown>> shown_;
    std::shared_ptr<int> answer_;
    std::shared_ptr<bool> pressAction_;
    std::unique_ptr<UL::ITextDialog> previous_;
};

} // namespace test
