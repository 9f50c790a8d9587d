#pragma once
// The program's application object. It brings the system from nothing to a
// shown main frame whose main window already mirrors the unit (InitInstance),
// answers the desktop (a file on the command line, a file handed over by a
// second start, files dropped on the main frame), runs the idle-time flush of
// the buffered error output, and takes everything down in a fixed order at
// the end (ExitInstance).
#include "app/commands/UnsentChanges.h"
#include "app/main/AppOptions.h"

#include <QApplication>
#include <QString>

#include <functional>
#include <memory>
#include <string>

class CMidiSetupDialog;
class CWelcomeDialog;

class CImageDoc;
class CImageView;
class CLibrarianState;
class CMainFrame;
class CMidiEngine;
class CDocMan;
class CAppRecentFiles;
namespace ML {
class ITickClock;
}
namespace sim {
class CVirtualSimulator;
}

class CApp : public QApplication {
    Q_OBJECT
public:
    // Names the application "ZM-47 Librarian" of "Tessan", which also places
    // the profile (~/.config/Tessan/ZM-47 Librarian.ini).
    CApp(int& argc, char** argv);
    ~CApp() override;
    CApp(const CApp&) = delete;
    CApp& operator=(const CApp&) = delete;

    // The running application object, or null when there is none (or it is
    // another QApplication).
    static CApp* Instance();

    // InitInstance, the event loop when it succeeded, ExitInstance. Returns
    // the program's exit status: 0, or 1 when start-up ended early.
    int Run(const CAppOptions& options);

    // The start-up sequence. False ends the program (ExitInstance still has
    // to run); a second start that handed its file to the first instance
    // also returns false, as does one whose first instance does not answer
    // (after saying so).
    bool InitInstance(const CAppOptions& options);
    // The shutdown sequence; safe after a failed start-up and twice.
    int ExitInstance();
    // The idle step: the buffered error output shows what it holds.
    bool OnIdle(int count);
    // A command of the desktop: `[open("path")]` shows the main frame and
    // opens the file; anything else is refused (false).
    bool OnDDECommand(const QString& command);

    // The main window's view; null until start-up made the main window and
    // after shutdown closed it.
    CImageView* GetMainView() const;
    // Null before start-up made them and after shutdown.
    CMainFrame* GetMainFrame() const;
    CDocMan* GetDocMan() const;
    CAppRecentFiles* GetRecentFiles() const;
    // The librarian state and the MIDI engine of this run; null outside a
    // run.
    CLibrarianState* GetLibrarianState() const;
    CMidiEngine* GetMidiEngine() const;
    // The simulated unit of --simulator, else null.
    sim::CVirtualSimulator* GetSimulator() const;

    // True when start-up ended because another instance runs and took this
    // start's file (or was just brought forward).
    bool HandedOver() const { return handedOver_; }

    // For tests and benchmarks, before InitInstance: the clock of the
    // transfers' waits and the devices' pacing (not owned; the system's by
    // default), the initial data file (by default below the program
    // folder), and a set-up step for the simulated unit before the start-up
    // read (faults, wire speed).
    void SetTickClock(ML::ITickClock& clock) { clock_ = &clock; }
    void SetInitialDataPath(const std::string& path) { initialDataPath_ = path; }
    void SetSimulatorSetUp(std::function<void(sim::CVirtualSimulator&)> setUp) { simulatorSetUp_ = std::move(setUp); }
    // The question asked before the program ends with changes never
    // written to the unit; a message box with Write, Discard and Cancel by
    // default.
    void SetUnsentQuestion(UnsentQuestion question) { unsentQuestion_ = std::move(question); }
    // Called during start-up once the main frame is on screen with the last
    // known state, before the start-up read.
    void SetStartUpShown(std::function<void()> shown) { startUpShown_ = std::move(shown); }
    // How the first start's questions run: the welcome dialog and the MIDI
    // setup dialog it may open. Each gets the dialog, built and filled, and
    // returns what its Ask or DoModal returns; both run modally by default.
    void SetWelcomeRunner(std::function<int(CWelcomeDialog&)> run) { welcomeRunner_ = std::move(run); }
    void SetMidiSetupRunner(std::function<int(CMidiSetupDialog&)> run) { midiSetupRunner_ = std::move(run); }

private:
    struct Session;

    bool HandOverToFirstInstance(const CAppOptions& options);
    bool CreateFrameAndDocuments(const CAppOptions& options);
    void AttachRecentFiles();
    bool StartEngine(const CAppOptions& options);
    void ChooseLanguage();
    void LoadInitialData();
    // The main window, showing the library's last known state where there
    // is one.
    void CreateMainWindow();
    // On a first start without devices: the welcome dialog, and the setup
    // dialog when the user wants to find the unit or choose the devices.
    // True when the unit is to be read (devices are set up).
    bool AskFirstStart();
    // Reads every area of the unit into the main window (read false: only
    // the last known state is shown as such).
    void ReadUnitAtStartUp(bool read = true);
    // The areas shown from the last known state are marked as waiting for
    // the start-up read (reading) or no longer, and the main window shows it.
    void ShowRememberedAreas(CImageDoc& document, bool reading);
    bool ProcessCommandLine(const QString& file);
    void ShowMainFrame();
    void OnInstanceCommand(const QString& command);
    void OnFilesDropped(const QStringList& paths);
    bool OpenDocumentFile(const QString& path);
    // Before the frame closes: the main window's changes never written to
    // the unit. True when the program may end.
    bool SettleUnsentChanges();

    std::unique_ptr<Session> session_;
    bool handedOver_ = false;
    ML::ITickClock* clock_; // not owned
    std::string initialDataPath_;
    std::function<void(sim::CVirtualSimulator&)> simulatorSetUp_;
    UnsentQuestion unsentQuestion_;
    std::function<void()> startUpShown_;
    std::function<int(CWelcomeDialog&)> welcomeRunner_;
    std::function<int(CMidiSetupDialog&)> midiSetupRunner_;
};
