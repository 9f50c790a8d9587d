// Librarian files: the exact format, the reader against truncated, corrupt
// and hostile files, and saving that never destroys the previous file.
#include "tests/data/DataTestSupport.h"
#include "tests/support/CapturingTextDialog.h"

#include "data/LibrarianFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <grp.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using datatest::Bytes;
using datatest::Concat;
using datatest::EmptyMemos;
using datatest::Header;
using datatest::Record;

const char* const kCannotRead = "Cannot read files of this type.";
const char* const kNotLoaded = "The file could not be loaded.";
const char* const kNotSaved = "The file could not be saved.";

Bytes NameData(const std::string& name) {
    CPatch patch;
    patch.Initialize();
    patch.SetName(name);
    return Bytes(patch.Data(), patch.Data() + 128);
}

class LibrarianFileTest : public ::testing::Test {
protected:
    // Only the box texts matter here; every failure must show exactly one.
    void ExpectShownOnce(const std::string& text) {
        ASSERT_EQ(dialog.shown().size(), 1u);
        EXPECT_EQ(dialog.shown()[0].text, text);
        dialog.clear();
    }
    void ExpectNothingShown() { EXPECT_TRUE(dialog.shown().empty()); }
    bool Save(const std::string& name, const CFileDocument& document) {
        return WriteLibrarianFile(dir / name, document);
    }
    bool Load(const Bytes& file, CFileDocument& document) {
        datatest::WriteBytes(dir / "input.z4l", file);
        return ReadLibrarianFile(dir / "input.z4l", document);
    }
    // A file that must be rejected with `text`, leaving the document as it was.
    void ExpectRejected(const Bytes& file, const std::string& text) {
        CFileDocument document;
        document.Patches().Append(datatest::MakePatch(1, "UNTOUCHED"));
        EXPECT_FALSE(Load(file, document));
        ExpectShownOnce(text);
        ASSERT_EQ(document.Patches().Size(), 1u);
        EXPECT_EQ(AsPatch(&document.Patches()[0])->GetName(), "UNTOUCHED");
    }

    datatest::InitialFileGuard noInitialFile;
    datatest::TempDir dir;
    test::CapturingTextDialog dialog;
};

TEST_F(LibrarianFileTest, WritesTheExactBytes) {
    CFileDocument document;
    document.Patches().Append(datatest::MakePatch(1, "FIRST", "a"));
    document.Patches().Append(datatest::MakePatch(2, "SECOND", "", "\xE9t\xE9"));
    ASSERT_TRUE(Save("two.z4l", document));
    ExpectNothingShown();

    const Bytes first = document.Patches()[0].Blocks()[0][0];
    const Bytes second = document.Patches()[1].Blocks()[0][0];
    const Bytes expected = Concat({Header(2), Record(1, {first}, Bytes{'a', 0, 0, 0, 0}),
                                   Record(1, {second}, Bytes{0, 0, 0, 0xE9, 't', 0xE9, 0})});
    const Bytes written = datatest::ReadBytes(dir / "two.z4l");
    EXPECT_EQ(written, expected);
    EXPECT_EQ(written.size(), 160u + 145u + 147u);
    EXPECT_EQ(Bytes(written.begin() + 160, written.begin() + 164), (Bytes{0, 0, 0, 141}));
}

TEST_F(LibrarianFileTest, FileSizeIs160Plus144PerPatchWithoutMemos) {
    for (std::size_t count : {0u, 1u, 60u}) {
        CFileDocument document;
        document.Patches().Resize(count);
        ASSERT_TRUE(Save("sized.z4l", document));
        EXPECT_EQ(datatest::ReadBytes(dir / "sized.z4l").size(), 160 + 144 * count);

        CFileDocument loaded;
        loaded.Patches().Append(datatest::MakePatch(9, "REPLACED"));
        ASSERT_TRUE(ReadLibrarianFile(dir / "sized.z4l", loaded));
        EXPECT_EQ(loaded.Patches().Size(), count);
    }
    ExpectNothingShown();
}

TEST_F(LibrarianFileTest, HeaderMagicIsComparedOverAll32Bytes) {
    const Bytes valid = Concat({Header(1), Record(1, {NameData("A")}, EmptyMemos())});
    for (std::size_t at : {0u, 19u, 20u, 31u}) {
        Bytes file = valid;
        file[at] = 'X';
        SCOPED_TRACE(at);
        ExpectRejected(file, kCannotRead);
    }
    ExpectRejected(Bytes(valid.begin(), valid.begin() + 159), kCannotRead);
    ExpectRejected(Bytes{}, kCannotRead);

    Bytes reserved = valid;
    std::fill(reserved.begin() + 36, reserved.begin() + 160, 0xAB); // reserved bytes are ignored
    CFileDocument document;
    EXPECT_TRUE(Load(reserved, document));
    EXPECT_EQ(document.Patches().Size(), 1u);
    ExpectNothingShown();
}

TEST_F(LibrarianFileTest, TruncatedFiles) {
    const Bytes one = Record(1, {NameData("ONE")}, EmptyMemos());
    const Bytes two = Record(1, {NameData("TWO")}, EmptyMemos());
    // The second record's length cannot be read.
    ExpectRejected(Concat({Header(2), one}), kCannotRead);
    ExpectRejected(Concat({Header(2), one, Bytes{0, 0}}), kCannotRead);
    // The second record is shorter than its length.
    const Bytes full = Concat({Header(2), one, two});
    ExpectRejected(Bytes(full.begin(), full.end() - 1), kNotLoaded);
    ExpectRejected(Bytes(full.begin(), full.end() - 100), kNotLoaded);
    // A record length of 0.
    ExpectRejected(Concat({Header(2), one, Bytes{0, 0, 0, 0}}), kCannotRead);
}

TEST_F(LibrarianFileTest, RecordsWhoseContentsRunPastTheirEndAreRejected) {
    const Bytes data = NameData("HOSTILE");
    const Bytes big = Bytes(128, 1);
    struct Case {
        const char* what;
        Bytes record;
    };
    Bytes lengthPastEnd = Record(1, {data}, EmptyMemos());
    lengthPastEnd[8 + 3] = 200; // segment length 128 -> 200: past the record
    Bytes hugeLength = Record(1, {data}, EmptyMemos());
    std::fill_n(hugeLength.begin() + 8, 4, 0xFF);
    const Case cases[] = {
        {"no segment", Record(0, {}, EmptyMemos())},
        {"segment count far beyond the record", Record(0xFFFFFFFF, {data}, EmptyMemos())},
        {"two segments announced, one present", Record(2, {data}, EmptyMemos())},
        {"segment shorter than 128 bytes", Record(1, {Bytes(127, 0)}, EmptyMemos())},
        {"empty segment", Record(1, {Bytes{}}, EmptyMemos())},
        {"segment length past the record", lengthPastEnd},
        {"segment length 0xFFFFFFFF", hugeLength},
        {"three memos only", Record(1, {data}, Bytes{0, 0, 0})},
        {"memo without its 0 byte", Record(1, {data}, Bytes{0, 0, 0, 'x'})},
        {"no room for the segment count", Bytes{0, 0, 0, 2, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        // A valid record follows, so a reader that looks past the record
        // would find the bytes it is missing there.
        ExpectRejected(Concat({Header(2), c.record, Record(1, {big}, EmptyMemos())}), kCannotRead);
    }
}

TEST_F(LibrarianFileTest, CountsAreNotTrusted) {
    // A header promising four billion patches backed by one record fails on
    // the missing second record without reserving room for the promise.
    ExpectRejected(Concat({Header(0xFFFFFFFF), Record(1, {NameData("ONE")}, EmptyMemos())}), kCannotRead);
}

TEST_F(LibrarianFileTest, AcceptedVariations) {
    // Bytes after the memos inside a record, a longer segment, a second
    // segment and bytes after the last record are all kept or ignored.
    Bytes longSegment = NameData("LONG");
    longSegment.resize(130, 7);
    const Bytes file =
        Concat({Header(3), Record(1, {NameData("TRAILING")}, Bytes{'m', 0, 0, 0, 0, 'j', 'u', 'n', 'k'}),
                Record(1, {longSegment}, EmptyMemos()), Record(2, {NameData("TWO"), Bytes(128, 9)}, EmptyMemos()),
                Bytes{1, 2, 3}});
    CFileDocument document;
    ASSERT_TRUE(Load(file, document));
    ExpectNothingShown();
    ASSERT_EQ(document.Patches().Size(), 3u);
    EXPECT_EQ(AsPatch(&document.Patches()[0])->GetName(), "TRAILING");
    EXPECT_EQ(document.Patches()[0].GetMemo(1), "m");
    EXPECT_EQ(document.Patches()[1].Blocks()[0][0].size(), 130u);
    EXPECT_EQ(AsPatch(&document.Patches()[1])->GetName(), "LONG");
    EXPECT_EQ(document.Patches()[2].Blocks()[0].size(), 2u);
    // Written back, every record is exactly the object's own serialized size.
    ASSERT_TRUE(Save("back.z4l", document));
    EXPECT_EQ(datatest::ReadBytes(dir / "back.z4l").size(), 160u + (4 + 141) + (4 + 142) + (4 + 140 + 132));
}

TEST_F(LibrarianFileTest, UnreadableFilesReportNotLoaded) {
    CFileDocument document;
    EXPECT_FALSE(ReadLibrarianFile(dir / "missing.z4l", document));
    ExpectShownOnce(kNotLoaded);
    EXPECT_FALSE(ReadLibrarianFile(dir.path(), document));
    ExpectShownOnce(dir.path().string() +
                    "\nis not a file (it is a folder, a device or a pipe). Nothing was read from it.");
}

TEST_F(LibrarianFileTest, ReadPatchRecordLeavesThePatchAloneOnFailure) {
    auto patch = datatest::MakePatch(4, "KEEP ME", "memo");
    const Bytes record = Record(1, {Bytes(127, 0)}, EmptyMemos());
    EXPECT_FALSE(ReadPatchRecord(std::span(record).subspan(4), *patch));
    EXPECT_EQ(patch->GetName(), "KEEP ME");
    EXPECT_EQ(patch->GetMemo(1), "memo");
    ExpectNothingShown();
}

// Saving goes through a temporary file; the previous file survives any failure.
class AtomicSaveTest : public LibrarianFileTest {
protected:
    void SetUp() override {
        document.Patches().Append(datatest::MakePatch(1, "NEW", "new memo"));
        document.Patches().Resize(40);
        old = Concat({Header(1), Record(1, {NameData("OLD")}, EmptyMemos())});
        datatest::WriteBytes(dir / "target.z4l", old);
    }
    // Lets `allowed` bytes through to the file, then fails like a full disk.
    static std::function<ByteSink(ByteSink)> FailAfter(std::size_t allowed) {
        return [allowed](ByteSink file) -> ByteSink {
            return [file, left = allowed](std::span<const std::uint8_t> bytes) mutable {
                const std::size_t now = std::min(left, bytes.size());
                left -= now;
                return file(bytes.first(now)) && now == bytes.size();
            };
        };
    }
    void ExpectOldFileIntact() {
        EXPECT_EQ(datatest::ReadBytes(dir / "target.z4l"), old);
        EXPECT_EQ(datatest::Names(dir.path()), std::vector<std::string>{"target.z4l"});
    }
    CFileDocument document;
    Bytes old;
};

TEST_F(AtomicSaveTest, SuccessReplacesTheFileAndLeavesNoTemporary) {
    ASSERT_TRUE(WriteLibrarianFile(dir / "target.z4l", document));
    ExpectNothingShown();
    EXPECT_EQ(datatest::Names(dir.path()), std::vector<std::string>{"target.z4l"});
    CFileDocument loaded;
    ASSERT_TRUE(ReadLibrarianFile(dir / "target.z4l", loaded));
    EXPECT_EQ(AsPatch(&loaded.Patches()[0])->GetName(), "NEW");
    EXPECT_EQ(loaded.Patches().Size(), 40u);
}

TEST_F(AtomicSaveTest, AWriteFailingPartWayKeepsThePreviousFile) {
    for (std::size_t allowed : {0u, 100u, 3000u}) {
        SCOPED_TRACE(allowed);
        EXPECT_FALSE(WriteLibrarianFile(dir / "target.z4l", document, FailAfter(allowed)));
        ExpectShownOnce(kNotSaved);
        ExpectOldFileIntact();
    }
}

TEST_F(AtomicSaveTest, ARenameOrCreateThatFailsLeavesNoTemporary) {
    std::filesystem::create_directories(dir / "folder.z4l" / "inside"); // cannot be replaced by a file
    EXPECT_FALSE(WriteLibrarianFile(dir / "folder.z4l", document));
    ExpectShownOnce((dir / "folder.z4l").string() +
                    "\nis not a file (it is a folder, a device or a pipe). Nothing was saved; it was left as it was.");
    EXPECT_EQ(datatest::Names(dir.path() / "folder.z4l"), std::vector<std::string>{"inside"});
    std::filesystem::remove_all(dir / "folder.z4l");
    EXPECT_FALSE(WriteLibrarianFile(dir / "no such folder" / "x.z4l", document));
    ExpectShownOnce(kNotSaved);
    ExpectOldFileIntact();
}

TEST_F(AtomicSaveTest, PermissionsAndLinksOfThePreviousFileAreKept) {
    ASSERT_EQ(::chmod((dir / "target.z4l").c_str(), 0640), 0);
    std::filesystem::create_symlink("target.z4l", dir / "link.z4l");
    ASSERT_TRUE(WriteLibrarianFile(dir / "link.z4l", document));
    EXPECT_TRUE(std::filesystem::is_symlink(dir / "link.z4l"));
    struct stat info {};
    ASSERT_EQ(::stat((dir / "target.z4l").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0640u);
    EXPECT_NE(datatest::ReadBytes(dir / "target.z4l"), old);
    ExpectNothingShown();
}

TEST_F(AtomicSaveTest, AFileMarkedReadOnlyIsLeftAsItIs) {
    // No write bit at all: read-only for everybody, whoever runs the save.
    ASSERT_EQ(::chmod((dir / "target.z4l").c_str(), 0444), 0);
    EXPECT_FALSE(WriteLibrarianFile(dir / "target.z4l", document));
    ExpectShownOnce(kNotSaved);
    ExpectOldFileIntact();
    struct stat info {};
    ASSERT_EQ(::stat((dir / "target.z4l").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0444u);
}

// What an ordinary user may not write stays as it is, though the folder would
// let a rename replace it. Needs a second user: run as root, the save runs in
// a child that has become "nobody".
TEST_F(AtomicSaveTest, AUserCannotReplaceAFileOrFillAFolderThatIsNotTheirs) {
    if (::geteuid() != 0)
        GTEST_SKIP() << "needs root to act as another user";
    // Open to all, so the rename alone would succeed; the file is root's, 0644.
    ASSERT_EQ(::chmod(dir.path().c_str(), 0777), 0);
    ASSERT_EQ(::chmod((dir / "target.z4l").c_str(), 0644), 0);
    std::filesystem::create_directory(dir / "closed");
    ASSERT_EQ(::chmod((dir / "closed").c_str(), 0755), 0);
    datatest::WriteBytes(dir / "closed" / "open.z4l", old);
    ASSERT_EQ(::chmod((dir / "closed" / "open.z4l").c_str(), 0666), 0);

    const auto saveAsNobody = [this] {
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            std::_Exit(10);
        const bool file = WriteLibrarianFile(dir / "target.z4l", document);
        const bool folder = WriteLibrarianFile(dir / "closed" / "open.z4l", document);
        std::_Exit(file ? 11 : folder ? 12 : 0);
    };
    EXPECT_EXIT(saveAsNobody(), ::testing::ExitedWithCode(0), "");
    EXPECT_EQ(datatest::ReadBytes(dir / "target.z4l"), old);
    std::vector<std::string> names = datatest::Names(dir.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"closed", "target.z4l"})) << "no temporary file left";
    EXPECT_EQ(datatest::ReadBytes(dir / "closed" / "open.z4l"), old);
}

} // namespace
