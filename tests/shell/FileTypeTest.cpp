#include "platform/shell/FileType.h"

#include "icons/ProgramIcons.h"

#include "platform/shell/FixedNames.h"
#include "tests/shell/ShellTestApp.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString ReadText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool WriteText(const QString& path, const QByteArray& text) {
    QDir().mkpath(path.section(u'/', 0, -2));
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The user's and the system's data folders in a temporary folder, and no
// cache tools on the path, so nothing outside the test is touched.
class FileTypeTest : public testing::Test {
protected:
    void SetUp() override {
        ShellTestApp();
        ASSERT_TRUE(folder_.isValid());
        home_ = folder_.path() + QStringLiteral("/home");
        system_ = folder_.path() + QStringLiteral("/system");
        Save("XDG_DATA_HOME", home_);
        Save("XDG_DATA_DIRS", system_);
        Save("PATH", folder_.path() + QStringLiteral("/no-tools"));
    }
    void TearDown() override {
        for (const auto& [name, value] : saved_)
            value.isNull() ? qunsetenv(name) : qputenv(name, value);
    }
    void Save(const char* name, const QString& value) {
        saved_.emplace_back(name, qgetenv(name));
        qputenv(name, value.toUtf8());
    }
    QString DesktopEntry() const {
        return ReadText(home_ + QStringLiteral("/applications/") + QLatin1String(kDesktopEntryName));
    }
    QString Package() const { return ReadText(home_ + QStringLiteral("/mime/packages/x-zm47-librarian.xml")); }

    QTemporaryDir folder_;
    QString home_;
    QString system_;
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

CFileTypeIcons ProgramIcons() { return {ProgramIconName(), ProgramIconSvg(), FileIconSvg()}; }

TEST_F(FileTypeTest, WritesTheMimeTypeAndADesktopEntryThatOpensWithThisProgram) {
    ASSERT_TRUE(RegisterLibrarianFileType(ProgramIcons()));
    const QString entry = DesktopEntry();
    EXPECT_TRUE(entry.startsWith(QStringLiteral("[Desktop Entry]\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nName=ZM-47 Librarian\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nExec=\"") + QString::fromStdString(GetProgramPath()) +
                               QStringLiteral("\" %f\n")));
    EXPECT_TRUE(entry.contains(QStringLiteral("\nMimeType=application/x-zm47-librarian;\n")));
    // The entry and the file type show the program's own pictures.
    EXPECT_TRUE(entry.contains(QStringLiteral("\nIcon=zm47-librarian\n")));
    const QString icons = home_ + QStringLiteral("/icons/hicolor/scalable/");
    EXPECT_TRUE(ReadText(icons + QStringLiteral("apps/zm47-librarian.svg")).startsWith(QStringLiteral("<svg")));
    EXPECT_TRUE(ReadText(icons + QStringLiteral("mimetypes/application-x-zm47-librarian.svg"))
                    .startsWith(QStringLiteral("<svg")));

    const QString package = Package();
    EXPECT_TRUE(package.contains(QStringLiteral("<mime-type type=\"application/x-zm47-librarian\">")));
    EXPECT_TRUE(package.contains(QStringLiteral("<comment>ZM-47 Librarian Document</comment>")));
    EXPECT_TRUE(package.contains(QStringLiteral("<glob pattern=\"*.z4l\"/>")));
    EXPECT_EQ(FindFileTypeOwners(QStringLiteral(".z4l")), QStringList{QLatin1String(kLibrarianMimeType)});

    // The next start finds its own registration and keeps it.
    EXPECT_TRUE(RegisterLibrarianFileType(ProgramIcons()));
    EXPECT_EQ(Package().size(), package.size());
}

TEST_F(FileTypeTest, ExtensionOwnedByAnotherApplicationIsLeftAlone) {
    ASSERT_TRUE(WriteText(system_ + QStringLiteral("/mime/packages/other.xml"),
                          "<?xml version=\"1.0\"?>\n"
                          "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
                          "  <mime-type type=\"application/x-other-tool\"><glob pattern=\"*.Z4L\"/></mime-type>\n"
                          "</mime-info>\n"));
    EXPECT_TRUE(RegisterLibrarianFileType(ProgramIcons()));
    EXPECT_TRUE(Package().isEmpty());
    EXPECT_FALSE(DesktopEntry().isEmpty()) << "the program itself is still offered";
    EXPECT_EQ(FindFileTypeOwners(QStringLiteral(".z4l")), QStringList{QStringLiteral("application/x-other-tool")});
}

TEST_F(FileTypeTest, OwnersInTheDesktopsGlobListsCountToo) {
    ASSERT_TRUE(WriteText(home_ + QStringLiteral("/mime/globs2"), "# comment\n50:application/x-other-tool:*.z4l\n"));
    EXPECT_TRUE(RegisterLibrarianFileType(ProgramIcons()));
    EXPECT_TRUE(Package().isEmpty());
}

TEST_F(FileTypeTest, UnwritableDataFolderFails) {
    ASSERT_TRUE(WriteText(home_, "a file, not a folder"));
    EXPECT_FALSE(RegisterLibrarianFileType(ProgramIcons()));
}

} // namespace
