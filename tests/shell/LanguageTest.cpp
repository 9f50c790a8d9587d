#include "translations/Language.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "tests/shell/ShellTestApp.h"

#include <gtest/gtest.h>

namespace {

TEST(LanguageTest, JapaneseResourcesAndBackToEnglish) {
    ShellTestApp();
    const auto inUse = [] {
        return QCoreApplication::translate("CDocMan", "Cannot overwrite this file because it is already in use.");
    };
    ASSERT_TRUE(InstallLanguage(true));
    EXPECT_EQ(inUse(), QStringLiteral("ファイルは現在使用中です。上書きできません。"));
    EXPECT_EQ(GetMessageTable().GetLanguage(), CMessageTable::kJapanese);
    EXPECT_EQ(GetMessageTable().Get(kMsgManualPath), "Manual\\ZM-47LibrarianManualJ.pdf");
    // Installing again does not stack a second set of translators.
    ASSERT_TRUE(InstallLanguage(true));

    ASSERT_TRUE(InstallLanguage(false));
    EXPECT_EQ(inUse(), QStringLiteral("Cannot overwrite this file because it is already in use."));
    EXPECT_EQ(GetMessageTable().GetLanguage(), CMessageTable::kEnglish);
}

} // namespace
