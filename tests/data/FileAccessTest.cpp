// Inputs that are not files or never end, save targets that are not files,
// and outputs that are inputs: refused with the file named, nothing replaced.
#include "data/FileAccess.h"
#include "data/LibrarianFile.h"
#include "tests/data/DataTestSupport.h"
#include "tests/support/CapturingTextDialog.h"

#include <sys/stat.h>

namespace datatest {
namespace {

constexpr const char* kNotAFileToRead =
    "\nis not a file (it is a folder, a device or a pipe). Nothing was read from it.";
constexpr const char* kNotAFileToSave =
    "\nis not a file (it is a folder, a device or a pipe). Nothing was saved; it was left as it was.";

bool IsFifo(const std::filesystem::path& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISFIFO(info.st_mode);
}

const CFileDocument& Sixty() {
    static const CFileDocument& document = []() -> const CFileDocument& {
        static CFileDocument made;
        for (int i = 0; i < 60; ++i)
            made.Patches().Append(MakePatch(i, "P" + std::to_string(i)));
        return made;
    }();
    return document;
}

TEST(FileAccess, PipesDevicesAndFoldersAreRefusedAsInputsAtOnce) {
    TempDir dir;
    const auto fifo = dir / "fifo";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    test::CapturingTextDialog dialog;
    // A pipe without a writer would block a plain open forever.
    for (const std::filesystem::path& path : {fifo, std::filesystem::path("/dev/zero"), dir.path()}) {
        Bytes bytes{1, 2, 3};
        EXPECT_EQ(ReadInputFile(path, kMaxExchangeFileSize, bytes), InputFileStatus::kNotAFile) << path;
        EXPECT_TRUE(bytes.empty());
        CFileDocument document;
        EXPECT_FALSE(ReadLibrarianFile(path, document)) << path;
        ASSERT_FALSE(dialog.shown().empty());
        EXPECT_EQ(dialog.shown().back().text, path.string() + kNotAFileToRead);
    }
    Bytes bytes;
    EXPECT_EQ(ReadInputFile(dir / "missing", kMaxExchangeFileSize, bytes), InputFileStatus::kCannotOpen);
}

TEST(FileAccess, InputsAreReadUpToTheirLimitAndRefusedBeyond) {
    TempDir dir;
    const auto file = dir / "data.syx";
    WriteBytes(file, Bytes(1000, 0x41));
    std::filesystem::create_symlink(file, dir / "link.syx");
    Bytes bytes;
    EXPECT_EQ(ReadInputFile(dir / "link.syx", 1000, bytes), InputFileStatus::kRead);
    EXPECT_EQ(bytes, Bytes(1000, 0x41));
    EXPECT_EQ(ReadInputFile(file, 999, bytes), InputFileStatus::kTooLarge);
    EXPECT_TRUE(bytes.empty());
    WriteBytes(file, {});
    EXPECT_EQ(ReadInputFile(file, 0, bytes), InputFileStatus::kRead);
    EXPECT_TRUE(bytes.empty());
}

TEST(FileAccess, ALibrarianFileIsReadOnlyAsFarAsItsCountAllows) {
    TempDir dir;
    const auto path = dir / "endless.z4l";
    ASSERT_TRUE(WriteLibrarianFile(path, Sixty()));
    // A header that claims one record, then megabytes of anything: not a
    // library, and not read to its end.
    Bytes bytes = Header(1);
    bytes.resize(bytes.size() + kMaxPatchRecordSize + 2 * 1024 * 1024, 0x00);
    WriteBytes(path, bytes);
    test::CapturingTextDialog dialog;
    CFileDocument document;
    EXPECT_FALSE(ReadLibrarianFile(path, document));
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, path.string() + "\nis far larger than any file of this kind. It was not read.");
    EXPECT_EQ(document.Patches().Size(), 0u);

    // A real file with a few stray bytes after its last record still loads.
    ASSERT_TRUE(WriteLibrarianFile(path, Sixty()));
    Bytes real = ReadBytes(path);
    real.resize(real.size() + 100, 0x55);
    WriteBytes(path, real);
    EXPECT_TRUE(ReadLibrarianFile(path, document));
    EXPECT_EQ(document.Patches().Size(), 60u);
}

TEST(FileAccess, ASaveNeverReplacesAPipeOrAFolderButWritesThroughALinkToAFile) {
    TempDir dir;
    const auto fifo = dir / "library.z4l";
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    std::filesystem::create_symlink(fifo, dir / "to-fifo.z4l");
    std::filesystem::create_directory(dir / "folder.z4l");
    test::CapturingTextDialog dialog;
    for (const std::filesystem::path& target : {fifo, dir / "to-fifo.z4l", dir / "folder.z4l"}) {
        EXPECT_FALSE(WriteLibrarianFile(target, Sixty())) << target;
        ASSERT_FALSE(dialog.shown().empty());
        EXPECT_EQ(dialog.shown().back().text, target.string() + kNotAFileToSave);
    }
    EXPECT_TRUE(IsFifo(fifo));
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.z4l"));
    EXPECT_EQ(Names(dir.path()).size(), 3u) << "no temporary file left";
    EXPECT_TRUE(IsNonFileTarget("/dev/full"));
    EXPECT_FALSE(IsNonFileTarget(dir / "missing.z4l"));

    const auto real = dir / "real.z4l";
    WriteBytes(real, {1});
    std::filesystem::create_symlink(real, dir / "to-real.z4l");
    dialog.clear();
    EXPECT_TRUE(WriteLibrarianFile(dir / "to-real.z4l", Sixty()));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "to-real.z4l"));
    EXPECT_GT(std::filesystem::file_size(real), 1000u);
    EXPECT_TRUE(dialog.shown().empty());
}

TEST(FileAccess, TheSameFileIsFoundThroughLinksAndOtherSpellings) {
    TempDir dir;
    const auto file = dir / "mine.z4l";
    WriteBytes(file, {1});
    std::filesystem::create_symlink(file, dir / "link.z4l");
    std::filesystem::create_hard_link(file, dir / "hard.z4l");
    WriteBytes(dir / "other.z4l", {1});
    EXPECT_TRUE(IsSameFile(file, dir / "link.z4l"));
    EXPECT_TRUE(IsSameFile(file, dir / "hard.z4l"));
    EXPECT_TRUE(IsSameFile(file, dir / "." / ".." / dir.path().filename() / "mine.z4l"));
    EXPECT_FALSE(IsSameFile(file, dir / "other.z4l"));
    EXPECT_FALSE(IsSameFile(file, dir / "missing.z4l"));
    EXPECT_FALSE(IsSameFile(dir / "missing.z4l", dir / "missing.z4l"));
}

} // namespace
} // namespace datatest
