#include "platform/shell/MMF.h"

#include "tests/shell/ShellTestApp.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocalServer>
#include <QTest>
#include <QUuid>

#include <gtest/gtest.h>

#include <vector>

namespace {

class SingleInstanceGuardTest : public testing::Test {
protected:
    void SetUp() override { ShellTestApp(); }
    // A name no other test or running program uses.
    const QString name_ =
        CMMF::ServerNameFor(QStringLiteral("zm47-test-") + QUuid::createUuid().toString(QUuid::Id128));
    std::vector<QString> received_;

    void Receive(CMMF& first) {
        first.SetCommandHandler([this](const QString& text) { received_.push_back(text); });
    }
    bool WaitForTexts(std::size_t count) {
        return QTest::qWaitFor([&] { return received_.size() >= count; }, 5000);
    }
};

TEST_F(SingleInstanceGuardTest, SecondInstanceHandsItsOpenCommandToTheFirst) {
    CMMF first(name_);
    ASSERT_TRUE(first.IsFirstInstance());
    ASSERT_TRUE(first.IsListening());
    Receive(first);

    CMMF second(name_);
    EXPECT_FALSE(second.IsFirstInstance());
    EXPECT_FALSE(second.IsListening());
    const QString command = QStringLiteral("[open(\"/tmp/My Patches/set 1.z4l\")]");
    ASSERT_TRUE(second.SendCommand(command));
    ASSERT_TRUE(WaitForTexts(1));
    EXPECT_EQ(received_, std::vector<QString>{command});

    // A start without a file only asks the first instance to come forward.
    CMMF third(name_);
    ASSERT_TRUE(third.SendCommand(QString()));
    ASSERT_TRUE(WaitForTexts(2));
    EXPECT_EQ(received_.back(), QString());
    EXPECT_FALSE(first.SendCommand(command)) << "the first instance has nobody to hand over to";
}

TEST_F(SingleInstanceGuardTest, CommandsBeforeTheHandlerWaitForItInOrder) {
    CMMF first(name_);
    for (const char* path : {"/tmp/a.z4l", "/tmp/b.z4l"}) {
        CMMF later(name_);
        ASSERT_TRUE(later.SendCommand(QString::fromLatin1(path)));
        const std::size_t expected = first.PendingCount() + 1;
        ASSERT_TRUE(QTest::qWaitFor([&] { return first.PendingCount() == expected; }, 5000));
    }
    EXPECT_TRUE(received_.empty());
    Receive(first);
    EXPECT_EQ(received_, (std::vector<QString>{QStringLiteral("/tmp/a.z4l"), QStringLiteral("/tmp/b.z4l")}));
}

TEST_F(SingleInstanceGuardTest, SocketIsForItsUserOnlyAndGoesWithTheFirstInstance) {
    QString path;
    {
        CMMF first(name_);
        path = QDir(QDir::tempPath()).filePath(name_);
        const QFile::Permissions perms = QFileInfo(path).permissions();
        EXPECT_TRUE(perms & QFile::WriteOwner);
        EXPECT_FALSE(perms & (QFile::ReadGroup | QFile::WriteGroup | QFile::ReadOther | QFile::WriteOther));
    }
    EXPECT_FALSE(QFileInfo::exists(path));
    CMMF next(name_);
    EXPECT_TRUE(next.IsFirstInstance());
}

TEST_F(SingleInstanceGuardTest, SocketLeftByACrashedInstanceIsTakenOver) {
    const QString path = QDir(QDir::tempPath()).filePath(name_);
    {
        QFile stale(path);
        ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    }
    CMMF first(name_);
    EXPECT_TRUE(first.IsFirstInstance());
    EXPECT_TRUE(first.IsListening());
    Receive(first);
    CMMF second(name_);
    ASSERT_TRUE(second.SendCommand(QStringLiteral("[open(\"/x.z4l\")]")));
    EXPECT_TRUE(WaitForTexts(1));
}

// The same user on two displays: each start is the first instance on its own
// display, and a later start on the same display still hands over.
TEST_F(SingleInstanceGuardTest, EachDisplayOfAUserHasAnInstanceOfItsOwn) {
    const QByteArray display = qgetenv("DISPLAY");
    const QByteArray wayland = qgetenv("WAYLAND_DISPLAY");
    qunsetenv("WAYLAND_DISPLAY");
    const QString application = QStringLiteral("zm47-test-") + QUuid::createUuid().toString(QUuid::Id128);
    qputenv("DISPLAY", ":5");
    const QString here = CMMF::ServerNameFor(application);
    qputenv("DISPLAY", "otherhost:11.0");
    const QString there = CMMF::ServerNameFor(application);
    EXPECT_EQ(CMMF::DisplayKey(), QStringLiteral("otherhost_11.0"));
    qputenv("DISPLAY", display);
    if (wayland.isNull())
        qunsetenv("WAYLAND_DISPLAY");
    else
        qputenv("WAYLAND_DISPLAY", wayland);

    EXPECT_NE(here, there);
    CMMF first(here);
    CMMF elsewhere(there);
    EXPECT_TRUE(first.IsFirstInstance());
    EXPECT_TRUE(elsewhere.IsFirstInstance());
    CMMF again(here);
    EXPECT_FALSE(again.IsFirstInstance());
}

} // namespace
