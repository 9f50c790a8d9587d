#pragma once
// A main frame with the main window and a document manager holding both
// templates, on a temporary profile, with message boxes captured and the
// confirmation and view commands answered by the test.
#include "app/core/LibrarianState.h"
#include "engine/MidiEngine.h"
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
#include "tests/support/FakeConfirmation.h"
#include "tests/support/MainWindowFixture.h"
#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"

#include <gtest/gtest.h>

#include <QApplication>

#include <vector>

namespace test {

using RecordingConfirmation = test::FakeConfirmation;

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

class AppUiTest : public ::testing::Test, protected MainWindowFixture {
protected:
    void SetUp() override {
        WindowsApp();
        ASSERT_NO_FATAL_FAILURE(
            Open(state, *profile, runner, confirmation, QSize(900, 700), [this](CMainFrame& main, CDocMan&) {
                main.SetImageViewCommands([this](CImageView&) {
                    auto commands = std::make_unique<RecordingCommands>();
                    imageCommands = commands.get();
                    return commands;
                });
                main.SetFileViewCommands([this](CFileView&) {
                    auto commands = std::make_unique<RecordingCommands>();
                    fileCommands = commands.get();
                    return commands;
                });
            }));
    }
    void TearDown() override { Close(); }

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

    CMidiEngine engine;
    CLibrarianState state{engine.setup};
    TempProfile profile;
    CapturingTextDialog messages;
    NoDialogRunner runner;
    RecordingConfirmation confirmation;
    RecordingCommands* imageCommands = nullptr;
    RecordingCommands* fileCommands = nullptr;
};

} // namespace test
