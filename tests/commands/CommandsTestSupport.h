#pragma once
// What the command tests share: the one QApplication (offscreen), a test
// clock, the simulated unit bound through the engine, and windows without a
// main frame: a main window over an image document and librarian file
// windows over file documents, each with a real patch list.
#include "app/commands/CommandWindow.h"
#include "app/commands/WindowCommands.h"
#include "app/core/LibrarianState.h"
#include "app/ui/CommandIds.h"
#include "app/docman/FileDialogRunner.h"
#include "app/ui/ExchangeFile.h"
#include "cli/EngineSession.h"
#include "data/FileDocument.h"
#include "data/ImageDocument.h"
#include "data/Patch.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "ml/TickClock.h"
#include "sim/VirtualSimulator.h"
#include "tests/support/FakeConfirmation.h"
#include "tests/support/CapturingTextDialog.h"
#include "toolkit/profile/IniProfile.h"
#include "views/PatchListCtrl.h"

#include <QApplication>
#include <QTemporaryDir>

#include "tests/support/SleepingClock.h"
#include "tests/support/TestApplication.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <memory>
#include <string>
#include <thread>
#include <vector>

namespace commandstest {

// The application of the command tests.
struct AppEnvironment {
    static QApplication& Get() { return test::TestApplication(); }
};

using TestClock = test::SleepingClock;

using FakeConfirmation = test::FakeConfirmation;

// Answers file dialogs in place of the user and records what they proposed.
class FakeFileDialogs : public IFileDialogRunner {
public:
    CFileDialogAnswer Run(const CFileDialogRequest& request) override {
        requests.push_back(request);
        CFileDialogAnswer result;
        result.accepted = !answer.isEmpty();
        result.path = answer;
        result.folder = request.folder;
        result.filterIndex = request.filterIndex;
        return result;
    }
    QString answer; // empty: Cancel
    std::vector<CFileDialogRequest> requests;
};

inline std::string NameOf(const CParameterArray& array, int index) {
    return AsPatch(array.At(static_cast<std::size_t>(index)))->GetName();
}

inline std::vector<std::string> NamesOf(const CParameterArray& array) {
    std::vector<std::string> names;
    for (std::size_t k = 0; k < array.Size(); ++k)
        names.push_back(AsPatch(array.At(k))->GetName());
    return names;
}

// A window as the views make it: a list over one array of the document.
// The main window's list follows the current area on update hint 1.
// Answers the area question with a preset area and records what it offered.
class FakeAreaChooser : public IAreaChooser {
public:
    std::optional<int> ChooseArea(const QString& question, const std::vector<std::pair<int, QString>>& choices,
                                  QWidget*) override {
        questions.push_back(question);
        offered.push_back(choices);
        return answer;
    }
    std::optional<int> answer;
    std::vector<QString> questions;
    std::vector<std::vector<std::pair<int, QString>>> offered;
};

class TestWindow : public ICommandWindow {
public:
    TestWindow(bool mainWindow, std::unique_ptr<CDocumentBase> data, CLibrarianState& state)
        : main(mainWindow), data(std::move(data)), list(1, !mainWindow), state(state) {
        list.SetProfile(&profile);
        list.SetPatchClipboard(&state);
        list.SetDocument(this->data.get());
        ShowArea();
        list.resize(500, 400);
        list.show();
    }

    CParameterListCtrl* GetList() const override { return &list; }
    CDocumentBase* GetData() const override { return data.get(); }
    void SetModified() override { ++modified; }
    void RebuildPreviewButtons() override { ++rebuilds; }
    void ShowStatus(const std::string& text) override { statuses.push_back(text); }
    void UpdateViews(int hint) override {
        hints.push_back(hint);
        // As the main view does: the current area's list on an area switch.
        if (hint == 1)
            ShowArea();
    }

    CParameterArray& Shown() { return *list.GetArray(); }
    void Select(const std::vector<int>& rows) {
        list.SetAllSelected(false);
        for (int row : rows)
            list.SetRowSelected(row, true);
    }
    std::vector<int> SelectedRows() const {
        std::vector<int> rows = list.GetSelectedRows();
        std::sort(rows.begin(), rows.end());
        return rows;
    }

    bool main;
    std::unique_ptr<CDocumentBase> data;
    QTemporaryDir dir;
    GT::CIniProfile profile{dir.filePath("profile.ini").toStdString()};
    mutable CPatchListCtrl list;
    int modified = 0;
    int rebuilds = 0;
    std::vector<int> hints;
    std::vector<std::string> statuses;
    CLibrarianState& state;

private:
    void ShowArea() {
        list.SetPatchArray(&data->GetArray(main ? state.GetArea() : 1));
        list.FillColumns();
        list.Refresh(false, 0);
    }
};

// The program's windows: one main window and the file windows opened.
class TestWindows : public IWindowDirectory {
public:
    ICommandWindow* OpenUntitledFileWindow() override {
        files.push_back(std::make_unique<TestWindow>(false, std::make_unique<CFileDocument>(), *state));
        return files.back().get();
    }
    void UpdateAllViews(int hint) override {
        if (main)
            main->UpdateViews(hint);
        for (auto& file : files)
            file->UpdateViews(hint);
    }
    TestWindow* main = nullptr;       // not owned
    CLibrarianState* state = nullptr; // not owned
    std::vector<std::unique_ptr<TestWindow>> files;
};

// The engine bound to the simulated unit on a test clock, a main window
// filled with new patches showing MEMORY, and the commands of that window.
// Message boxes are recorded.
class CommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        App();
        cli::DeviceChoice choice;
        choice.simulator = true;
        session = std::make_unique<cli::CEngineSession>(clock);
        ASSERT_TRUE(session->Start(choice));
        auto image = std::make_unique<CImageDocument>();
        image->GetImage().FillWithNewPatches();
        windows.state = &State();
        main = std::make_unique<TestWindow>(true, std::move(image), State());
        windows.main = main.get();
        mainCommands = std::make_unique<CWindowCommands>(Context(*main));
    }
    void TearDown() override {
        mainCommands.reset();
        main.reset();
        session.reset();
    }

    static QApplication& App() { return AppEnvironment::Get(); }
    // The engine session's librarian state, which the windows and commands share.
    CLibrarianState& State() { return session->State(); }

    CCommandContext Context(TestWindow& window) {
        CCommandContext context;
        context.window = &window;
        context.mainWindow = window.main;
        context.state = &State();
        context.confirmation = &confirmation;
        context.windows = &windows;
        context.profile = &main->profile;
        context.fileDialogs = &fileDialogs;
        context.areaChooser = &areaChooser;
        context.backupFolder = backups.path();
        return context;
    }

    // A file window with patches named F0, F1, ... and its commands.
    TestWindow& OpenFile(int count) {
        TestWindow& file = *static_cast<TestWindow*>(windows.OpenUntitledFileWindow());
        file.data->GetArray(1).Resize(static_cast<std::size_t>(count));
        for (int k = 0; k < count; ++k)
            AsPatch(file.data->GetArray(1).At(static_cast<std::size_t>(k)))->SetName("F" + std::to_string(k));
        file.list.Refresh(false, 0);
        fileCommands.push_back(std::make_unique<CWindowCommands>(Context(file)));
        return file;
    }

    // Names MEMORY's patches M0, M1, ... in the main window.
    void NameMainPatches() {
        CParameterArray& memory = main->data->GetArray(1);
        for (std::size_t k = 0; k < memory.Size(); ++k)
            AsPatch(memory.At(k))->SetName("M" + std::to_string(k));
        main->list.Refresh(false, 0);
    }

    sim::CSimulatedUnit& Unit() { return session->Simulator()->Unit(); }
    std::vector<std::string> Shown() const {
        std::vector<std::string> texts;
        for (const auto& shown : dialog.shown())
            texts.push_back(shown.text.substr(0, shown.text.find('\n')));
        return texts;
    }

    TestClock clock;
    test::CapturingTextDialog dialog;
    // The backups the writes make, never the user's own folder.
    QTemporaryDir backups;
    FakeConfirmation confirmation;
    FakeAreaChooser areaChooser;
    FakeFileDialogs fileDialogs;
    TestWindows windows;
    std::unique_ptr<cli::CEngineSession> session;
    std::unique_ptr<TestWindow> main;
    std::unique_ptr<CWindowCommands> mainCommands;
    std::vector<std::unique_ptr<CWindowCommands>> fileCommands;
};

} // namespace commandstest
