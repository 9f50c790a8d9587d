#include "translations/Language.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "tests/shell/ShellTestApp.h"

#include <gtest/gtest.h>

namespace {

// Counts the language changes the application is told of: one for each
// translator installed or removed.
class LanguageChanges : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == QCoreApplication::instance() && event->type() == QEvent::LanguageChange)
            ++count;
        return false;
    }
};

TEST(LanguageTest, JapaneseResourcesAndBackToEnglish) {
    ShellTestApp();
    const auto inUse = [] {
        return QCoreApplication::translate("CDocMan", "Cannot overwrite this file because it is already in use.");
    };
    ASSERT_TRUE(InstallLanguage(false));
    LanguageChanges changes;
    QCoreApplication::instance()->installEventFilter(&changes);
    ASSERT_TRUE(InstallLanguage(true));
    EXPECT_EQ(inUse(), QStringLiteral("ファイルは現在使用中です。上書きできません。"));
    EXPECT_EQ(GetMessageTable().GetLanguage(), CMessageTable::kJapanese);
    EXPECT_EQ(GetMessageTable().Get(kMsgManualPath), "Manual\\ZM-47LibrarianManualJ.pdf");
    const int installed = changes.count;
    ASSERT_GT(installed, 0);

    // Installing again takes out each translator it put in before: as many
    // removals as installs, so no second set stacks up.
    changes.count = 0;
    ASSERT_TRUE(InstallLanguage(true));
    EXPECT_EQ(changes.count, 2 * installed);
    EXPECT_EQ(inUse(), QStringLiteral("ファイルは現在使用中です。上書きできません。"));

    changes.count = 0;
    ASSERT_TRUE(InstallLanguage(false));
    EXPECT_EQ(changes.count, installed);
    EXPECT_EQ(inUse(), QStringLiteral("Cannot overwrite this file because it is already in use."));
    EXPECT_EQ(GetMessageTable().GetLanguage(), CMessageTable::kEnglish);
    QCoreApplication::instance()->removeEventFilter(&changes);
}

} // namespace
