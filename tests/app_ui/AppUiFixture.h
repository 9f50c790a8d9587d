#pragma once
// A main frame with the main window and a document manager holding both
// templates, on a temporary profile, with message boxes captured and the
// confirmation and view commands answered by the test.
#include "app/core/LibrarianState.h"
#include "app/docman/DocMan.h"
#include "app/docman/FileDialogRunner.h"
#include "app/docs/FileDoc.h"
#include "app/docs/ImageDoc.h"
#include "app/ui/DocTemplates.h"
#include "app/ui/FileFrame.h"
#include "app/ui/FileView.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "tests/support/CapturingTextDialog.h"
#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <vector>

namespace test {

class RecordingConfirmation : public IMidiConfirmation {
public:
    bool Confirm(int kind, const std::string& question) override {
        kinds.push_back(kind);
        questions.push_back(question);
        return answer;
    }
    bool answer = true;
    std::vector<int> kinds;
    std::vector<std::string> questions;
};

// View commands that handle Cut (enabled while `enabled`) and record
// previews and commands.
class RecordingCommands : public IViewCommands {
public:
    bool HandlesCommand(int id) const override { return id == kCmdCut || id == kCmdReadAll; }
    bool IsCommandEnabled(int) const override { return enabled; }
    void OnCommand(int id) override { commands.push_back(id); }
    bool PreviewSend(int index) override {
        previews.push_back(index);
        return true;
    }
    bool enabled = true;
    std::vector<int> commands;
    std::vector<int> previews;
};

class NoDialogRunner : public IFileDialogRunner {
public:
    CFileDialogAnswer Run(const CFileDialogRequest& request) override {
        requests.push_back(request);
        return {};
    }
    std::vector<CFileDialogRequest> requests;
};

class AppUiTest : public ::testing::Test {
protected:
    void SetUp() override {
        WindowsApp();
        docMan = std::make_unique<CDocMan>(*profile, runner);
        frame = std::make_unique<CMainFrame>(state, *profile);
        frame->resize(900, 700);
        ASSERT_TRUE(frame->Create());
        frame->SetDocMan(docMan.get());
        frame->SetConfirmation(&confirmation);
        frame->SetImageViewCommands([this](CImageView&) {
            auto commands = std::make_unique<RecordingCommands>();
            imageCommands = commands.get();
            return commands;
        });
        frame->SetFileViewCommands([this](CFileView&) {
            auto commands = std::make_unique<RecordingCommands>();
            fileCommands = commands.get();
            return commands;
        });
        const CLibrarianTemplates templates = AddLibrarianTemplates(*frame, *docMan);
        fileTemplate = templates.files;
        imageTemplate = templates.image;
        frame->show();
        imageTemplate->OpenDocumentFile(QString());
        ASSERT_NE(frame->GetMainView(), nullptr);
    }
    void TearDown() override {
        // Windows before the documents they show.
        frame.reset();
        docMan.reset();
    }

    CImageView& MainView() { return *frame->GetMainView(); }
    CImageDoc& ImageDoc() { return *imageTemplate->GetImageDoc(); }
    // A new file window holding `patches` patches.
    CFileFrame& NewFileWindow(int patches) {
        CFileDoc* document = fileTemplate->OpenFileDoc(QString());
        EXPECT_NE(document, nullptr);
        document->GetDocumentData().Patches().Resize(static_cast<std::size_t>(patches));
        auto* file = qobject_cast<CFileFrame*>(frame->MdiArea().activeSubWindow());
        file->resize(600, 400);
        document->UpdateAllViews(nullptr, 0);
        return *file;
    }

    CLibrarianState state;
    TempProfile profile;
    CapturingTextDialog messages;
    NoDialogRunner runner;
    RecordingConfirmation confirmation;
    std::unique_ptr<CDocMan> docMan;
    std::unique_ptr<CMainFrame> frame;
    CFileDocTemplate* fileTemplate = nullptr;
    CImageDocTemplate* imageTemplate = nullptr;
    RecordingCommands* imageCommands = nullptr;
    RecordingCommands* fileCommands = nullptr;
};

} // namespace test
