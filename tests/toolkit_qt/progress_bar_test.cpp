#include "platform/msgwin/MessageWindow.h"
#include "tests/support/ActiveWindow.h"
#include "tests/toolkit_qt/windows_app.h"
#include "toolkit/qt/ProgressBar.h"

#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

class ProgressBar : public ::testing::Test {
protected:
    void SetUp() override {
        owner.setWindowTitle(QStringLiteral("owner"));
        owner.show();
        ASSERT_TRUE(test::MakeActive(owner));
    }
    void TearDown() override { progress.End(); }

    // Made before the widgets below: each case may run in a process of its own.
    QApplication& app = test::WindowsApp();
    QWidget owner;
    UL::CProgressBar progress;
};

TEST(ProgressMath, TheBarRangeIsCappedAtOneThousandAndPositionsAreScaledAndRounded) {
    EXPECT_EQ(UL::ProgressControlRange(50000), 1000);
    EXPECT_EQ(UL::ProgressControlRange(120), 120);
    EXPECT_EQ(UL::ProgressControlRange(-5), 0);
    EXPECT_EQ(UL::ProgressControlPosition(1000, 25000, 50000), 500);
    EXPECT_EQ(UL::ProgressControlPosition(1000, 1, 3), 333);
    EXPECT_EQ(UL::ProgressControlPosition(1000, 2, 3), 667);
    EXPECT_EQ(UL::ProgressControlPosition(1000, INT_MAX, INT_MAX), 1000); // no overflow
    EXPECT_EQ(UL::ProgressControlPosition(1000, 70000, 50000), 1000);
    EXPECT_EQ(UL::ProgressControlPosition(0, 5, 0), 0); // no division by zero
}

TEST_F(ProgressBar, ShowsTheScaledPositionAndDisablesItsOwnerUntilEnd) {
    progress.SetRange(50000);
    progress.SetTitle("Read All");
    ASSERT_TRUE(progress.SetText("MEMORY 01"));
    EXPECT_TRUE(progress.IsShown());
    EXPECT_FALSE(owner.isEnabled());
    EXPECT_EQ(progress.DisabledOwner(), &owner);
    EXPECT_TRUE(progress.isEnabled());
    EXPECT_EQ(progress.windowTitle(), QStringLiteral("Read All"));
    EXPECT_EQ(progress.TextLabel().text(), QStringLiteral("MEMORY 01"));
    EXPECT_EQ(progress.Bar().maximum(), 1000);
    ASSERT_TRUE(progress.SetPos(25000));
    EXPECT_EQ(progress.Bar().value(), 500);

    // Begin starts again from 0 on the dialog already shown.
    ASSERT_TRUE(progress.Begin());
    EXPECT_EQ(progress.Bar().value(), 0);

    progress.End();
    EXPECT_FALSE(progress.IsShown());
    EXPECT_TRUE(owner.isEnabled());
    EXPECT_EQ(progress.DisabledOwner(), nullptr);
}

TEST_F(ProgressBar, AnOwnerAlreadyDisabledStaysDisabledAfterEnd) {
    owner.setEnabled(false);
    progress.Begin();
    EXPECT_EQ(progress.DisabledOwner(), nullptr);
    progress.End();
    EXPECT_FALSE(owner.isEnabled());
}

TEST_F(ProgressBar, CancelCountsOnlyWhileTheOperationIsCancellable) {
    progress.Begin();
    EXPECT_FALSE(progress.CancelButton().isVisible());
    progress.CancelButton().click(); // hidden, but make sure a click does nothing
    progress.reject();               // Escape
    EXPECT_FALSE(progress.IsCancelled());
    EXPECT_TRUE(progress.IsShown());

    progress.SetCancellable(true);
    EXPECT_TRUE(progress.CancelButton().isVisible());
    progress.CancelButton().click();
    EXPECT_TRUE(progress.IsCancelled());
    EXPECT_TRUE(progress.IsShown()); // the operation ends the dialog, not Cancel

    progress.Begin();
    EXPECT_FALSE(progress.IsCancelled());
    progress.SetCancellable(false);
    EXPECT_FALSE(progress.CancelButton().isVisible());
}

TEST_F(ProgressBar, ReportsRunQtEventsButLeaveMidiMessagesQueued) {
    int midiHandled = 0;
    msgwin::MessageWindow hidden([&](msgwin::UINT, msgwin::WPARAM, msgwin::LPARAM) {
        ++midiHandled;
        return msgwin::LRESULT{0};
    });
    hidden.PostMessage(msgwin::WM_USER + 1, 0, 0);
    bool ranInPump = false;
    bool pumpingSeen = false;
    QTimer::singleShot(0, &progress, [&] {
        ranInPump = true;
        pumpingSeen = progress.IsPumping();
    });

    progress.Begin();
    progress.SetPos(1);
    EXPECT_TRUE(ranInPump);
    EXPECT_TRUE(pumpingSeen);
    EXPECT_FALSE(progress.IsPumping());
    progress.IsCancelled();
    EXPECT_EQ(midiHandled, 0);
    EXPECT_TRUE(hidden.Queue().HasPending(msgwin::WM_USER, msgwin::WM_USER_LAST));
    hidden.Queue().DispatchAll();
    EXPECT_EQ(midiHandled, 1);
}

} // namespace
