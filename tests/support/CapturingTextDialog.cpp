#include "tests/support/CapturingTextDialog.h"

namespace test {
namespace {

class Recorder : public UL::ATextDialog {
public:
    Recorder(std::shared_ptr<std::vector<CapturingTextDialog::Shown>> shown, std::shared_ptr<int> answer)
        : shown_(std::move(shown)), answer_(std::move(answer)) {}
    int Show(const std::string& text, int buttons, int icon) override {
        shown_->push_back({text, buttons, icon});
        return *answer_;
    }

private:
    std::shared_ptr<std::vector<CapturingTextDialog::Shown>> shown_;
    std::shared_ptr<int> answer_;
};

} // namespace

CapturingTextDialog::CapturingTextDialog(int answer)
    : shown_(std::make_shared<std::vector<Shown>>()), answer_(std::make_shared<int>(answer)) {
    previous_ = UL::SetTextDialog(std::make_unique<Recorder>(shown_, answer_));
}

CapturingTextDialog::~CapturingTextDialog() { UL::SetTextDialog(std::move(previous_)); }

} // namespace test
