// The language of a start: --lang ja gives Japanese windows and messages,
// --lang en English ones, whatever the desktop's language.
#include "tests/app_e2e/AppFixture.h"

#include "app/ui/CommandIds.h"

#include <QAction>

namespace app_e2e {
namespace {

TEST_F(AppTest, LangJaShowsJapaneseMenusAndMessages)
{
    App().SetInitialDataPath(temp.filePath(QStringLiteral("missing.z4l")).toStdString());
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("ja")}));
    ASSERT_NE(Frame().Action(kCmdReadAll), nullptr);
    EXPECT_EQ(Frame().Action(kCmdReadAll)->text(), QStringLiteral("すべて読み込み(&A)"));
    EXPECT_EQ(GetMessageTable().GetLanguage(), CMessageTable::kJapanese);
    const std::vector<std::string> shown = ShownTexts();
    EXPECT_THAT(shown, ::testing::Contains("初期ファイルを読み込めません。"));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().rfind("データを読み込み／書き込みできませんでした。", 0), 0u) << shown.back();
}

TEST_F(AppTest, LangEnAfterAJapaneseStartIsEnglishAgain)
{
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("ja")}));
    App().ExitInstance();
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("en")}));
    EXPECT_EQ(Frame().Action(kCmdReadAll)->text(), QStringLiteral("Read &All"));
    const std::vector<std::string> shown = ShownTexts();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown.front().rfind("Unable to read/write data.", 0), 0u) << shown.front();
}

} // namespace
} // namespace app_e2e
