#pragma once
// A start of the program in a test: the run's application object started
// with the given options against the simulated unit on a test clock, every
// message box recorded, a fresh profile, and an initial data file whose
// patch is named "INIT TEST".
#include "app/commands/WindowCommands.h"
#include "app/docman/DocMan.h"
#include "app/docs/ImageDoc.h"
#include "app/main/App.h"
#include "app/main/AppOptions.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "data/FileDocument.h"
#include "data/InitialFileDocument.h"
#include "data/LibrarianFile.h"
#include "data/Patch.h"
#include "messages/MessageTable.h"
#include "tests/e2e/EndToEndFixture.h"
#include "tests/support/CapturingTextDialog.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <QSettings>
#include <QStringList>
#include <QTemporaryDir>

#include <string>
#include <vector>

namespace app_e2e {

inline CApp& App() { return *CApp::Instance(); }

// The commands of the main window's view.
inline CWindowCommands& MainCommands() { return *dynamic_cast<CWindowCommands*>(App().GetMainView()->GetCommands()); }

// Until everything sent to the simulated unit has reached it and every
// reply it made has been sent.
inline void Delivered() {
    App().GetSimulator()->Devices().input.WaitUntilDelivered();
    App().GetSimulator()->Unit().WaitUntilRepliesSent();
}

// A librarian file of count patches named name.
inline bool WriteLibrarianFileOf(const QString& path, const std::string& name, int count = 1) {
    CFileDocument document;
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<CParameter> patch = document.Patches().CreateElement();
        static_cast<CPatch&>(*patch).SetName(name);
        document.Patches().Append(std::move(patch));
    }
    return WriteLibrarianFile(path.toStdString(), document);
}

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(temp.isValid());
        QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Tessan"),
                  QStringLiteral("ZM-47 Librarian"))
            .clear();
        CInitialFileDocument::Instance().Unload();
        initialData = temp.filePath(QStringLiteral("InitialData.z4l"));
        ASSERT_TRUE(WriteLibrarianFileOf(initialData, "INIT TEST"));
        App().SetTickClock(clock);
        App().SetInitialDataPath(initialData.toStdString());
        App().SetSimulatorSetUp({});
    }

    void TearDown() override { App().ExitInstance(); }

    // Starts the program with these options (the program name is added).
    bool Start(QStringList arguments) {
        arguments.prepend(QStringLiteral("zm47-librarian"));
        CAppOptions options;
        QString error;
        EXPECT_TRUE(ParseAppOptions(arguments, options, error)) << error.toStdString();
        return App().InitInstance(options);
    }
    bool StartWithSimulator(QStringList more = {}) {
        return Start(QStringList{QStringLiteral("--simulator"), QStringLiteral("--no-register")} + more);
    }
    void SilenceUnit() {
        App().SetSimulatorSetUp([](sim::CVirtualSimulator& simulator) {
            sim::UnitFaults faults;
            faults.silent = true;
            simulator.SetFaults(faults);
        });
    }

    CMainFrame& Frame() { return *App().GetMainFrame(); }
    CImageDocument& MainData() { return App().GetMainView()->GetDocument().GetDocumentData(); }
    std::string MainPatchName(int area, int index) {
        const CParameter* patch = MainData().GetArray(area).At(static_cast<std::size_t>(index));
        return patch ? static_cast<const CPatch&>(*patch).GetName() : std::string("(none)");
    }
    std::size_t FileWindowCount() {
        return App().GetDocMan()->GetTemplate(CDocMan::kFileTemplateId)->GetDocuments().size();
    }
    std::vector<std::string> ShownTexts() const {
        std::vector<std::string> texts;
        for (const auto& shown : dialogs.shown())
            texts.push_back(shown.text);
        return texts;
    }

    QTemporaryDir temp;
    QString initialData;
    e2e::TestClock clock;
    test::CapturingTextDialog dialogs;
};

} // namespace app_e2e
