#include "app/docman/DocMan.h"
#include "tests/docman/DocmanTestSupport.h"
#include "tests/support/CapturingTextDialog.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

class FakeDocument : public IDocManDocument {
public:
    FakeDocument(QString path, QString title) : path_(std::move(path)), title_(std::move(title)) {}
    QString GetPathName() const override { return path_; }
    QString GetTitle() const override { return title_; }
    bool OnSaveDocument(const QString& path) override {
        saves.push_back(path);
        return saveSucceeds;
    }
    void SetPathName(const QString& path) override { path_ = path; }
    void ActivateFrame() override { ++activations; }

    std::vector<QString> saves;
    bool saveSucceeds = true;
    int activations = 0;

private:
    QString path_;
    QString title_;
};

class FakeTemplate : public CDocTemplateBase {
public:
    std::vector<IDocManDocument*> GetDocuments() const override {
        std::vector<IDocManDocument*> documents;
        for (const auto& document : documents_)
            documents.push_back(document.get());
        return documents;
    }
    IDocManDocument* OpenDocumentFile(const QString& path) override {
        opened.push_back(path);
        if (!opens)
            return nullptr;
        documents_.push_back(std::make_unique<FakeDocument>(path, path.isEmpty() ? QStringLiteral("Untitled")
                                                                                 : path.section(u'/', -1)));
        return documents_.back().get();
    }
    FakeDocument& Add(const QString& path, const QString& title) {
        documents_.push_back(std::make_unique<FakeDocument>(path, title));
        return *documents_.back();
    }

    std::vector<QString> opened;
    bool opens = true;

private:
    std::vector<std::unique_ptr<FakeDocument>> documents_;
};

class DocManTest : public testing::Test {
protected:
    DocManTest() : docMan_(profile_.get(), dialog_) {
        auto files = std::make_unique<FakeTemplate>();
        auto main = std::make_unique<FakeTemplate>();
        files_ = files.get();
        main_ = main.get();
        docMan_.AddDocTemplate(CDocMan::kFileTemplateId, std::move(files));
        docMan_.AddDocTemplate(CDocMan::kImageTemplateId, std::move(main));
    }

    test::TemporaryProfile profile_;
    test::AnsweringFileDialog dialog_;
    test::CapturingTextDialog messages_;
    CDocMan docMan_;
    FakeTemplate* files_ = nullptr;
    FakeTemplate* main_ = nullptr;
};

TEST_F(DocManTest, TemplatesAreFoundByIdAndTheFirstOneOpensFiles) {
    EXPECT_EQ(docMan_.GetTemplate(4107), files_);
    EXPECT_EQ(docMan_.GetTemplate(4097), main_);
    EXPECT_EQ(docMan_.GetTemplate(1), nullptr);
    main_->Add(QString(), QStringLiteral("Main"));

    IDocManDocument* opened = docMan_.OpenDocumentFile(QStringLiteral("/data/a/../set1.z4l"));
    ASSERT_NE(opened, nullptr);
    EXPECT_EQ(files_->opened, std::vector<QString>{QStringLiteral("/data/set1.z4l")});
    EXPECT_TRUE(main_->opened.empty());
    EXPECT_EQ(docMan_.GetDocuments().size(), 2u);

    // The same file again, in other letter case: its window comes forward.
    EXPECT_EQ(docMan_.OpenDocumentFile(QStringLiteral("/DATA/SET1.Z4L")), opened);
    EXPECT_EQ(files_->opened.size(), 1u);
    EXPECT_EQ(static_cast<FakeDocument*>(opened)->activations, 1);

    files_->opens = false;
    EXPECT_EQ(docMan_.OpenDocumentFile(QStringLiteral("/data/bad.z4l")), nullptr);
    EXPECT_EQ(docMan_.OpenDocumentFile(QString()), nullptr);
}

TEST_F(DocManTest, LibrarianDialogStartsInTheRememberedFolderAndKeepsTheFilter) {
    ASSERT_TRUE(RememberDocumentFolder(profile_.get(), QStringLiteral("/data/sets/old.z4l")));
    dialog_.Choose(QStringLiteral("/data/sets/any.bin"), 1); // "All Files"
    ASSERT_NE(docMan_.OnFileOpen(), nullptr);
    const CFileDialogRequest& first = dialog_.requests.back();
    EXPECT_TRUE(first.open);
    EXPECT_EQ(first.folder, QStringLiteral("/data/sets"));
    EXPECT_EQ(first.fileName, QString());
    EXPECT_EQ(first.defaultSuffix, QStringLiteral("z4l"));
    // Open takes the exchange files too, which open as new windows.
    EXPECT_EQ(first.nameFilters,
              (QStringList{QStringLiteral("ZM-47 Librarian, SysEx and Standard MIDI Files (*.z4l *.syx *.mid *.midi)"),
                           QStringLiteral("All Files (*)")}));
    EXPECT_EQ(first.filterIndex, 0);
    EXPECT_EQ(files_->opened.back(), QStringLiteral("/data/sets/any.bin"));

    // "All Files" is shown next time, even after a cancel.
    dialog_.Cancel(1);
    EXPECT_EQ(docMan_.OnFileOpen(), nullptr);
    EXPECT_EQ(dialog_.requests.back().filterIndex, 1);
    EXPECT_EQ(files_->opened.size(), 1u);
    EXPECT_EQ(profile_.get().GetInt("Document/InitialFilterIndex", 0), 2);
}

TEST_F(DocManTest, SaveAsStartsInTheDocumentsFolderOrForUntitledInTheRememberedOne) {
    ASSERT_TRUE(RememberDocumentFolder(profile_.get(), QStringLiteral("/remembered/x.z4l")));
    FakeDocument& titled = files_->Add(QStringLiteral("/data/sets/mine.z4l"), QStringLiteral("mine.z4l"));
    FakeDocument& untitled = files_->Add(QString(), QStringLiteral("Untitled:2"));
    dialog_.Cancel();

    EXPECT_FALSE(docMan_.DoSave(titled, true));
    EXPECT_EQ(dialog_.requests.back().folder, QStringLiteral("/data/sets"));
    EXPECT_EQ(dialog_.requests.back().fileName, QStringLiteral("mine.z4l"));
    EXPECT_EQ(dialog_.requests.back().title, QStringLiteral("Save As"));
    EXPECT_FALSE(dialog_.requests.back().open);

    // Save of an untitled document asks for a name too.
    EXPECT_FALSE(docMan_.DoSave(untitled, false));
    EXPECT_EQ(dialog_.requests.back().folder, QStringLiteral("/remembered"));
    EXPECT_EQ(dialog_.requests.back().fileName, QStringLiteral("Untitled.z4l"));
    EXPECT_TRUE(titled.saves.empty());
    EXPECT_TRUE(untitled.saves.empty());

    // Save of a titled document writes at once, without a dialog.
    const std::size_t asked = dialog_.requests.size();
    EXPECT_TRUE(docMan_.DoSave(titled, false));
    EXPECT_EQ(dialog_.requests.size(), asked);
    EXPECT_EQ(titled.saves, std::vector<QString>{QStringLiteral("/data/sets/mine.z4l")});
}

TEST_F(DocManTest, SaveAsOntoAFileOpenInAnotherWindowIsRefusedInAnyLetterCase) {
    FakeDocument& other = files_->Add(QStringLiteral("/data/sets/Live Set.z4l"), QStringLiteral("Live Set.z4l"));
    FakeDocument& mine = files_->Add(QStringLiteral("/data/sets/mine.z4l"), QStringLiteral("mine.z4l"));
    dialog_.Choose(QStringLiteral("/DATA/sets/live set.Z4L"));
    EXPECT_FALSE(docMan_.DoSave(mine, true));
    ASSERT_EQ(messages_.shown().size(), 1u);
    EXPECT_EQ(messages_.shown()[0].text, "Cannot overwrite this file because it is already in use.");
    EXPECT_EQ(messages_.shown()[0].buttons, UL::kButtonsOk);
    EXPECT_TRUE(mine.saves.empty());
    EXPECT_TRUE(other.saves.empty());
    EXPECT_EQ(mine.GetPathName(), QStringLiteral("/data/sets/mine.z4l"));
    EXPECT_EQ(other.GetPathName(), QStringLiteral("/data/sets/Live Set.z4l"));

    // Its own path is no conflict; a new one is saved and taken.
    messages_.clear();
    dialog_.Choose(QStringLiteral("/data/sets/MINE.z4l"));
    EXPECT_TRUE(docMan_.DoSave(mine, true));
    dialog_.Choose(QStringLiteral("/data/sets/copy.z4l"));
    EXPECT_TRUE(docMan_.DoSave(mine, true));
    EXPECT_EQ(mine.GetPathName(), QStringLiteral("/data/sets/copy.z4l"));
    EXPECT_TRUE(messages_.shown().empty());
}

TEST_F(DocManTest, SameFileByAnotherNameIsInUseTooAndAFailedSaveKeepsThePath) {
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString real = folder.path() + QStringLiteral("/real.z4l");
    QFile(real).open(QIODevice::WriteOnly);
    ASSERT_TRUE(QFile::link(real, folder.path() + QStringLiteral("/alias.z4l")));
    files_->Add(real, QStringLiteral("real.z4l"));
    FakeDocument& mine = files_->Add(folder.path() + QStringLiteral("/mine.z4l"), QStringLiteral("mine.z4l"));

    dialog_.Choose(folder.path() + QStringLiteral("/alias.z4l"));
    EXPECT_FALSE(docMan_.DoSave(mine, true));
    EXPECT_EQ(messages_.shown().size(), 1u);
    EXPECT_TRUE(mine.saves.empty());

    mine.saveSucceeds = false;
    dialog_.Choose(folder.path() + QStringLiteral("/new.z4l"));
    EXPECT_FALSE(docMan_.DoSave(mine, true));
    EXPECT_EQ(mine.saves.size(), 1u);
    EXPECT_EQ(mine.GetPathName(), folder.path() + QStringLiteral("/mine.z4l"));
}

TEST(RememberDocumentFolderTest, StoresTheFolderOfTheFile) {
    test::TemporaryProfile profile;
    ASSERT_TRUE(RememberDocumentFolder(profile.get(), QStringLiteral("/data/sets/../x/mine.z4l")));
    EXPECT_EQ(profile.get().GetString("Document/InitialDirectory", ""), "/data/x");
}

} // namespace
