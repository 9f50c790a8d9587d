// The toolkit's event: one owned handler, told which control fired it.
#include "toolkit/core/Event.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace {

struct Control {
    std::string name;
    GT::CEvent event;
};

// Records the names of the controls that fired it; notes its own deletion.
class Recorder {
public:
    void OnChange(const boost::any& sender) {
        const auto* const* control = boost::any_cast<Control*>(&sender);
        names.push_back(control ? (*control)->name : "(not a control)");
    }
    std::vector<std::string> names;
};

class DeletionFlag : public GT::IEventHandler {
public:
    explicit DeletionFlag(bool& deleted) : deleted_(deleted) {}
    ~DeletionFlag() override { deleted_ = true; }
    void OnEvent(const boost::any&) override {}

private:
    bool& deleted_;
};

TEST(Event, OneHandlerServesSeveralControlsAndTellsThemApart) {
    Recorder recorder;
    Control area{"area", {}};
    Control bank{"bank", {}};
    EXPECT_FALSE(area.event.Fire(boost::any(&area))); // no handler yet
    area.event.SetHandler(GT::MakeEventHandler(recorder, &Recorder::OnChange));
    bank.event.SetHandler(GT::MakeEventHandler(recorder, &Recorder::OnChange));
    EXPECT_TRUE(bank.event.Fire(boost::any(&bank)));
    EXPECT_TRUE(area.event.Fire(boost::any(&area)));
    EXPECT_TRUE(area.event.Fire(boost::any(42)));
    EXPECT_EQ(recorder.names, (std::vector<std::string>{"bank", "area", "(not a control)"}));
}

TEST(Event, TheHandlerIsDeletedWhenReplacedOrWithTheEvent) {
    bool first = false;
    bool second = false;
    {
        GT::CEvent event;
        event.SetHandler(std::make_unique<DeletionFlag>(first));
        event.SetHandler(std::make_unique<DeletionFlag>(second));
        EXPECT_TRUE(first);
        EXPECT_FALSE(second);
        EXPECT_TRUE(event.HasHandler());
    }
    EXPECT_TRUE(second);
}

} // namespace
