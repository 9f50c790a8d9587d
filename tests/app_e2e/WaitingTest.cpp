// While the program waits for the unit, its progress window is on screen at
// once, says what it waits for and where, and keeps the windows alive;
// Cancel stops the wait and the read without a message and without losing
// anything.
#include "tests/app_e2e/AppFixture.h"

#include "app/commands/WindowCommands.h"
#include "engine/MidiEngine.h"
#include "sim/VirtualSimulator.h"
#include "toolkit/qt/ProgressBar.h"

#include <QTimer>

#include <chrono>

namespace app_e2e {
namespace {

TEST_F(AppTest, WaitingForTheUnitSaysWhatAndCancelStopsTheReadWithoutAMessage) {
    GT::GetProfile().WriteInt("Option/ReadUser", 1);
    ASSERT_TRUE(StartWithSimulator());
    ASSERT_TRUE(ShownTexts().empty());
    // The unit falls silent; each wait lasts long in real time, so only
    // Cancel can end it early.
    sim::UnitFaults faults;
    faults.silent = true;
    App().GetSimulator()->SetFaults(faults);
    App().GetMidiEngine()->setup.SetWaitGrace(std::chrono::milliseconds(3000));
    const std::string before = MainPatchName(1, 0);

    UL::CProgressBarB& progress = UL::GetProgressBarB();
    bool shown = false;
    QString waiting;
    QTimer::singleShot(150, [&] {
        shown = progress.IsShown();
        waiting = progress.DetailLabel().text();
        progress.CancelButton().click();
    });
    auto& commands = static_cast<CWindowCommands&>(*App().GetMainView()->GetCommands());
    EXPECT_FALSE(commands.ReadPatches(false));
    App().GetMidiEngine()->setup.SetWaitGrace(msgwin::kDefaultWaitGrace);

    EXPECT_TRUE(shown);
    EXPECT_EQ(waiting.toStdString(),
              "Waiting for the ZM-47 (device ID 17) on ZM-47 Simulator, asked through ZM-47 Simulator\u2026");
    EXPECT_FALSE(progress.IsShown());
    EXPECT_TRUE(ShownTexts().empty()) << ShownTexts().front();
    EXPECT_EQ(MainPatchName(1, 0), before);
}

} // namespace
} // namespace app_e2e
