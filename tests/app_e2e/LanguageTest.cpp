// --lang ja gives Japanese windows and messages, whatever the desktop's
// language.
#include "tests/app_e2e/AppFixture.h"

#include "app/ui/CommandIds.h"

#include <QAction>

#include <algorithm>

namespace app_e2e {
namespace {

TEST_F(AppTest, LangJaShowsJapaneseMenusAndMessages) {
    App().SetInitialDataPath(temp.filePath(QStringLiteral("missing.z4l")).toStdString());
    SilenceUnit();
    ASSERT_TRUE(StartWithSimulator({QStringLiteral("--lang"), QStringLiteral("ja")}));
    ASSERT_NE(Frame().Action(kCmdReadAll), nullptr);
    EXPECT_EQ(Frame().Action(kCmdReadAll)->text(), QStringLiteral("すべて読み込み(&A)"));
    // The window toolkit's own commands live in a namespace; their texts are
    // translated under the qualified class name.
    EXPECT_EQ(Frame().ResizeToFullAction().text(), QStringLiteral("全体に広げる"));
    EXPECT_EQ(Frame().WindowListAction().text(), QStringLiteral("ウィンドウ一覧"));
    // Every command's status bar prompt and tip are Japanese too.
    const auto japanese = [](const QString& text) {
        return std::any_of(text.begin(), text.end(), [](QChar c) { return c.unicode() > 0x7F; });
    };
    for (int id : Frame().CommandIds()) {
        EXPECT_TRUE(japanese(Frame().Action(id)->statusTip())) << id;
        EXPECT_TRUE(japanese(Frame().Action(id)->toolTip())) << id;
    }
    EXPECT_EQ(GetMessageTable().GetLanguage(), CMessageTable::kJapanese);
    const std::vector<std::string> shown = ShownTexts();
    EXPECT_THAT(shown, ::testing::Contains("初期ファイルを読み込めません。"));
    ASSERT_FALSE(shown.empty());
    EXPECT_EQ(shown.back().rfind("データを読み込み／書き込みできませんでした。", 0), 0u) << shown.back();
}

} // namespace
} // namespace app_e2e
