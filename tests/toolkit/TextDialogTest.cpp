#include "toolkit/core/TextDialog.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TextDialog, FormattedFormShowsTheWholeTextWithButtonsAndIcon) {
    test::CapturingTextDialog dialog(UL::kResultYes);
    const std::string longName(2000, 'n');
    const int result = UL::GetTextDialog().ShowFormat(UL::kButtonsYesNo, UL::kIconQuestion, "%s: %d of %s", "Patch", 3,
                                                      longName.c_str());
    EXPECT_EQ(result, UL::kResultYes);
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "Patch: 3 of " + longName);
    EXPECT_EQ(dialog.shown()[0].buttons, UL::kButtonsYesNo);
    EXPECT_EQ(dialog.shown()[0].icon, UL::kIconQuestion);
}

} // namespace
