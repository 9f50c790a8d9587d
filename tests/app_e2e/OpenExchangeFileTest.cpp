// File - Open of a SysEx file or a Standard MIDI File in the running
// program: a new untitled librarian file window with the patches the file
// holds, the area asked when it holds several; a bad file opens nothing.
#include "tests/app_e2e/AppFixture.h"
#include "tests/support/AppendFile.h"

#include "app/ui/ExchangeFile.h"
#include "app/core/LibrarianState.h"
#include "app/main/AppRecentFiles.h"
#include "app/docman/FileDialogRunner.h"
#include "app/docs/FileDoc.h"
#include "app/ui/CommandIds.h"
#include "engine/Writer.h"

#include <QFile>

#include <numeric>
#include <optional>

namespace app_e2e {
namespace {

class OpenAnswer : public IFileDialogRunner {
public:
    explicit OpenAnswer(QString path) : path_(std::move(path)) {}
    CFileDialogAnswer Run(const CFileDialogRequest& request) override {
        filters = request.nameFilters;
        return {true, path_, QString(), 0};
    }
    QStringList filters;

private:
    QString path_;
};

class AreaAnswer : public IAreaChooser {
public:
    // Answers for the running program's main frame while it lives.
    explicit AreaAnswer(std::optional<int> area) : area_(area) { App().GetMainFrame()->SetAreaChooser(this); }
    ~AreaAnswer() override {
        if (CMainFrame* frame = App().GetMainFrame())
            frame->SetAreaChooser(nullptr);
    }
    std::optional<int> ChooseArea(const QString&, const std::vector<std::pair<int, QString>>& choices,
                                  QWidget*) override {
        offered = choices.size();
        return area_;
    }
    std::size_t offered = 0;

private:
    std::optional<int> area_;
};

class OpenExchangeTest : public AppTest {
protected:
    // Opens path through File - Open; the window's document, or null.
    CFileDoc* OpenThroughDialog(const QString& path) {
        auto* runner = new OpenAnswer(path);
        auto previous = SetFileDialogRunner(std::unique_ptr<IFileDialogRunner>(runner));
        const std::size_t before = FileWindowCount();
        Frame().OnCommand(kCmdFileOpen);
        filters = runner->filters;
        SetFileDialogRunner(std::move(previous));
        if (FileWindowCount() == before)
            return nullptr;
        return dynamic_cast<CFileDoc*>(
            App().GetDocMan()->GetTemplate(CDocMan::kFileTemplateId)->GetDocuments().back());
    }
    std::vector<int> All(int count) {
        std::vector<int> indexes(static_cast<std::size_t>(count));
        std::iota(indexes.begin(), indexes.end(), 0);
        return indexes;
    }
    CWriter& Writer() { return *App().GetLibrarianState()->GetWriter(); }
    static std::string Name(const CParameterArray& array, std::size_t k) {
        return static_cast<const CPatch&>(*array.At(k)).GetName();
    }
    QStringList filters;
};

TEST_F(OpenExchangeTest, AStandardMidiFileOpensAsANewUntitledWindowWithItsPatches) {
    ASSERT_TRUE(StartWithSimulator());
    const QString path = temp.filePath(QStringLiteral("memory.mid"));
    ASSERT_TRUE(Writer().ExportSmf(path.toStdString(), 0x21, All(60), MainData().GetArray(1)));

    CFileDoc* opened = OpenThroughDialog(path);
    ASSERT_NE(opened, nullptr);
    EXPECT_THAT(filters.value(0).toStdString(), ::testing::HasSubstr("*.syx *.mid"));
    EXPECT_TRUE(opened->GetPathName().isEmpty()) << "untitled: Save asks for a librarian file's name";
    EXPECT_TRUE(opened->GetTitle().startsWith(QStringLiteral("Untitled")));
    EXPECT_TRUE(opened->IsModified());
    const CParameterArray& patches = opened->GetDocumentData().Patches();
    ASSERT_EQ(patches.Size(), 60u);
    for (std::size_t k : {0u, 17u, 59u})
        EXPECT_EQ(Name(patches, k), MainPatchName(1, static_cast<int>(k))) << k;
    EXPECT_THAT(Frame().StatusBarPane().currentMessage().toStdString(),
                ::testing::HasSubstr("60 patches imported (MEMORY 1"));
    EXPECT_TRUE(dialogs.shown().empty());
    EXPECT_FALSE(App().GetRecentFiles()->Paths().contains(QString())) << "an untitled window is no recent file";

    // Dropped on the librarian it opens the same way, and the recent files
    // offer it again.
    emit Frame().filesDropped({path});
    EXPECT_EQ(FileWindowCount(), 2u);
    EXPECT_EQ(App().GetRecentFiles()->Paths().value(0), path);
}

TEST_F(OpenExchangeTest, ASysExFileOfSeveralAreasOpensTheAreaChosenAndABadFileOpensNothing) {
    ASSERT_TRUE(StartWithSimulator());
    const QString memory = temp.filePath(QStringLiteral("memory.syx"));
    const QString banks = temp.filePath(QStringLiteral("banks.syx"));
    ASSERT_TRUE(Writer().ExportSysEx(memory.toStdString(), 0x21, {4, 5}, MainData().GetArray(1)));
    ASSERT_TRUE(Writer().ExportSysEx(banks.toStdString(), 0x61, All(10), MainData().GetArray(5)));
    ASSERT_TRUE(test::AppendFile(banks.toStdString(), memory.toStdString()));

    {
        AreaAnswer cancel(std::nullopt);
        EXPECT_EQ(OpenThroughDialog(banks), nullptr) << "cancelled: no window";
        EXPECT_EQ(cancel.offered, 3u) << "every area, MEMORY, HEAVY";
    }
    AreaAnswer heavy(5);
    CFileDoc* opened = OpenThroughDialog(banks);
    ASSERT_NE(opened, nullptr);
    const CParameterArray& patches = opened->GetDocumentData().Patches();
    ASSERT_EQ(patches.Size(), 10u);
    EXPECT_EQ(Name(patches, 9), MainPatchName(5, 9));

    // A file of one area opens without a question.
    CFileDoc* two = OpenThroughDialog(memory);
    ASSERT_NE(two, nullptr);
    EXPECT_EQ(two->GetDocumentData().Patches().Size(), 2u);
    EXPECT_EQ(Name(two->GetDocumentData().Patches(), 1), MainPatchName(1, 5));

    // Damaged or empty files say so, name the file and open nothing.
    const QString junk = temp.filePath(QStringLiteral("junk.mid"));
    QFile bad(junk);
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("not a MIDI file");
    bad.close();
    const std::size_t windows = FileWindowCount();
    EXPECT_EQ(OpenThroughDialog(junk), nullptr);
    const QString empty = temp.filePath(QStringLiteral("empty.syx"));
    QFile nothing(empty);
    ASSERT_TRUE(nothing.open(QIODevice::WriteOnly));
    nothing.write("\xF0\x7E\x10\x06\x01\xF7");
    nothing.close();
    EXPECT_EQ(OpenThroughDialog(empty), nullptr);
    EXPECT_EQ(FileWindowCount(), windows);
    ASSERT_EQ(ShownTexts().size(), 2u);
    EXPECT_EQ(ShownTexts()[0], "The file could not be loaded.\n" + junk.toStdString());
    EXPECT_EQ(ShownTexts()[1], "The file holds no data for the ZM-47. Nothing was changed.\n" + empty.toStdString());
}

} // namespace
} // namespace app_e2e
