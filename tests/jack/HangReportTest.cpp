// The report a hanging test on a real MIDI system leaves before it ends.
#include "tests/support/HangReport.h"

#include <gtest/gtest.h>

#include <thread>

namespace {

TEST(HangReportDeathTest, PastItsLimitSaysWhereEachThreadWaitsAndEndsTheTestAsFailed) {
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    EXPECT_EXIT(
        {
            test::HangReport report(std::chrono::seconds(1), [] { return std::string("what the programs said\n"); });
            std::this_thread::sleep_for(std::chrono::seconds(30));
        },
        ::testing::ExitedWithCode(1),
        "longer than 1 s(.|\n)*stack of thread(.|\n)*what the programs said(.|\n)*ended as failed");
}

TEST(HangReport, DisarmedInTimeItSaysNothingAndTheTestGoesOn) {
    {
        test::HangReport report(std::chrono::seconds(1), [] { return std::string("never\n"); });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    SUCCEED();
}

} // namespace
