#pragma once
// The program's main frame as the window tests build it: a document
// manager with both templates, the frame at a given size on the test's
// state and profile, file dialogs and confirmations answered by the test,
// shown with the main window open. A fixture derives from it, calls Open in
// its SetUp and Close in its TearDown.
#include "app/core/LibrarianState.h"
#include "app/docman/DocMan.h"
#include "app/docman/FileDialogRunner.h"
#include "app/ui/DocTemplates.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "toolkit/profile/Profile.h"

#include <gtest/gtest.h>

#include <QSize>

#include <functional>
#include <memory>

namespace test {

class MainWindowFixture {
public:
    // What the frame gets before its templates are made: the views'
    // commands, for one.
    using Install = std::function<void(CMainFrame&, CDocMan&)>;

    void Open(CLibrarianState& state, GT::IProfile& profile, IFileDialogRunner& dialogs,
              IMidiConfirmation& confirmation, QSize size, const Install& install) {
        docMan = std::make_unique<CDocMan>(profile, dialogs);
        frame = std::make_unique<CMainFrame>(state, profile);
        frame->resize(size);
        ASSERT_TRUE(frame->Create());
        frame->SetDocMan(docMan.get());
        frame->SetConfirmation(&confirmation);
        if (install)
            install(*frame, *docMan);
        const CLibrarianTemplates templates = AddLibrarianTemplates(*frame, *docMan);
        fileTemplate = templates.files;
        imageTemplate = templates.image;
        frame->show();
        imageTemplate->OpenDocumentFile(QString());
        ASSERT_NE(frame->GetMainView(), nullptr);
    }
    // The windows before the documents they show.
    void Close() {
        frame.reset();
        docMan.reset();
    }

    CImageView& MainView() { return *frame->GetMainView(); }

    std::unique_ptr<CDocMan> docMan;
    std::unique_ptr<CMainFrame> frame;
    CFileDocTemplate* fileTemplate = nullptr;
    CImageDocTemplate* imageTemplate = nullptr;
};

} // namespace test
