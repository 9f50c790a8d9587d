#include "platform/shell/CommandLinePath.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class CommandLinePathTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        root_ = QDir(folder_.path()).canonicalPath();
        previous_ = QDir::currentPath();
        QDir::setCurrent(root_);
        QFile file(root_ + QStringLiteral("/my set.z4l"));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir folder_;
    QString root_;
    QString previous_;
};

TEST_F(CommandLinePathTest, QuotesGoAndThePathBecomesAbsoluteAndClean) {
    const QString expected = root_ + QStringLiteral("/my set.z4l");
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("\"my set.z4l\"")), expected);
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("./sub/../my set.z4l")), expected);
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("\"") + root_ + QStringLiteral("//my set.z4l\"")), expected);
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("file://") + root_ + QStringLiteral("/my%20set.z4l")), expected);
    // A file that does not exist keeps its name, so that opening it fails
    // with the usual message.
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("missing.z4l")), root_ + QStringLiteral("/missing.z4l"));
}

TEST_F(CommandLinePathTest, NothingToOpenStaysEmpty) {
    for (const char* text : {"", "\"\"", "  ", "\" \""})
        EXPECT_EQ(CleanCommandLinePath(QString::fromLatin1(text)), QString()) << text;
    // A lone quote is not a quoted text.
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("\"")), root_ + QStringLiteral("/\""));
}

TEST_F(CommandLinePathTest, LinksToTheFileAreFollowedToTheirTarget) {
    const QString target = root_ + QStringLiteral("/my set.z4l");
    ASSERT_TRUE(QFile::link(target, root_ + QStringLiteral("/link.z4l")));
    ASSERT_TRUE(QFile::link(root_ + QStringLiteral("/link.z4l"), root_ + QStringLiteral("/link to link")));
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("link.z4l")), target);
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("\"link to link\"")), target);
    // A broken link stays what it is.
    ASSERT_TRUE(QFile::link(root_ + QStringLiteral("/gone.z4l"), root_ + QStringLiteral("/broken.z4l")));
    EXPECT_EQ(CleanCommandLinePath(QStringLiteral("broken.z4l")), root_ + QStringLiteral("/broken.z4l"));
    // Links in a circle end without hanging.
    ASSERT_TRUE(QFile::link(root_ + QStringLiteral("/b"), root_ + QStringLiteral("/a")));
    ASSERT_TRUE(QFile::link(root_ + QStringLiteral("/a"), root_ + QStringLiteral("/b")));
    EXPECT_FALSE(CleanCommandLinePath(QStringLiteral("a")).isEmpty());
}

} // namespace
