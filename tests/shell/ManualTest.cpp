#include "platform/shell/DesktopOpener.h"
#include "platform/shell/Manual.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "tests/support/CapturingTextDialog.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

namespace {

class RecordingOpener : public IDesktopOpener {
public:
    bool OpenLocalFile(const QString& path) override {
        opened.push_back(path);
        return answer;
    }
    std::vector<QString> opened;
    bool answer = true;
};

class ManualTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        GetMessageTable().SetLanguage(CMessageTable::kEnglish);
    }
    void TearDown() override { GetMessageTable().SetLanguage(CMessageTable::kEnglish); }
    void PlaceManual(const char* name) {
        QDir(folder_.path()).mkpath(QStringLiteral("Manual"));
        QFile file(folder_.path() + QStringLiteral("/Manual/") + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder_;
    RecordingOpener opener_;
    test::CapturingTextDialog dialog_;
};

TEST_F(ManualTest, OpensTheManualOfTheCurrentLanguage) {
    PlaceManual("ZM-47LibrarianManualE.pdf");
    PlaceManual("ZM-47LibrarianManualJ.pdf");
    EXPECT_TRUE(OpenManual(folder_.path(), opener_));
    GetMessageTable().SetLanguage(CMessageTable::kJapanese);
    EXPECT_TRUE(OpenManual(folder_.path(), opener_));
    EXPECT_EQ(opener_.opened,
              (std::vector<QString>{folder_.path() + QStringLiteral("/Manual/ZM-47LibrarianManualE.pdf"),
                                    folder_.path() + QStringLiteral("/Manual/ZM-47LibrarianManualJ.pdf")}));
    EXPECT_TRUE(dialog_.shown().empty());
}

// Failures are only reported; the application tells the user.
TEST_F(ManualTest, MissingManualGivesFalseAndOpensNothing) {
    PlaceManual("ZM-47LibrarianManualE.pdf");
    GetMessageTable().SetLanguage(CMessageTable::kJapanese); // only the English one is there
    EXPECT_FALSE(OpenManual(folder_.path(), opener_));
    EXPECT_TRUE(opener_.opened.empty());
    EXPECT_TRUE(dialog_.shown().empty());
}

TEST_F(ManualTest, DesktopThatCannotOpenItGivesFalse) {
    PlaceManual("ZM-47LibrarianManualE.pdf");
    opener_.answer = false;
    EXPECT_FALSE(OpenManual(folder_.path(), opener_));
    EXPECT_EQ(opener_.opened.size(), 1u);
    EXPECT_TRUE(dialog_.shown().empty());
}

} // namespace
