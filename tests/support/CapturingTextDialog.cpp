#include "tests/support/CapturingTextDialog.h"

namespace test {
namespace {

class Recorder : public UL::ATextDialog {
public:
    Recorder(std::shared_ptr<std::vector<CapturingTextDialog::Shown>> shown, std::shared_ptr<int> answer,
             std::shared_ptr<bool> pressAction)
        : shown_(std::move(shown)), answer_(std::move(answer)), pressAction_(std::move(pressAction)) {}
    int Show(const std::string& text, int buttons, int icon) override {
        shown_->push_back({text, buttons, icon, {}});
        return *answer_;
    }
    int ShowWithAction(const std::string& text, int icon, const std::string& action) override {
        shown_->push_back({text, UL::kButtonsOk, icon, action});
        return *pressAction_ ? UL::kResultAction : UL::kResultOk;
    }

private:
    std::shared_ptr<std::vector<CapturingTextDialog::Shown>> shown_;
    std::shared_ptr<int> answer_;
    std::shared_ptr<bool> pressAction_;
};

} // namespace

CapturingTextDialog::CapturingTextDialog(int answer)
    : shown_(std::make_shared<std::vector<Shown>>()), answer_(std::make_shared<int>(answer)),
      pressAction_(std::make_shared<bool>(false)) {
    previous_ = UL::SetTextDialog(std::make_unique<Recorder>(shown_, answer_, pressAction_));
}

CapturingTextDialog::~CapturingTextDialog() { UL::SetTextDialog(std::move(previous_)); }

} // namespace test
