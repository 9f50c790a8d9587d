#include "app/main/App.h"

#include "app/core/HistorySettings.h"
#include "app/core/LastKnownState.h"
#include "app/main/TransferWait.h"
#include "app/core/LibrarianState.h"
#include "app/core/FontEx.h"
#include "app/core/Settings.h"
#include "app/core/TransferObjects.h"
#include "app/commands/InstallCommands.h"
#include "app/commands/WindowCommands.h"
#include "app/docman/DocMan.h"
#include "app/docs/ImageDoc.h"
#include "app/docs/UpdateHints.h"
#include "app/main/AppCommandTarget.h"
#include "app/main/AppEventHooks.h"
#include "app/main/AppRecentFiles.h"
#include "app/main/AppTextSinks.h"
#include "app/main/StartUpSimulator.h"
#include "app/ui/DocTemplates.h"
#include "app/ui/ImageFrame.h"
#include "app/ui/CommandIds.h"
#include "app/ui/ImageView.h"
#include "app/ui/MainFrame.h"
#include "data/InitialFileDocument.h"
#include "data/ParameterAddress.h"
#include "data/UnitProvenance.h"
#include "engine/MidiEngine.h"
#include "engine/Reader.h"
#include "engine/TransferSummary.h"
#include "engine/dialogs/MidiSetupDialog.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "engine/dialogs/WelcomeDialog.h"
#include "icons/ProgramIcons.h"
#include "messages/MessageTable.h"
#include "ml/TickClock.h"
#include "platform/shell/CommandLinePath.h"
#include "platform/shell/DdeCommand.h"
#include "platform/shell/FileType.h"
#include "platform/shell/FixedNames.h"
#include "platform/shell/RaiseWindow.h"
#include "platform/shell/MMF.h"
#include "toolkit/core/TextDialog.h"
#include "toolkit/profile/Profile.h"
#include "toolkit/profile/VersionInfo.h"
#include "toolkit/qt/CursorApplier.h"
#include "toolkit/qt/ProgressBar.h"
#include "toolkit/qt/TextDialog.h"
#include "library/Library.h"
#include "translations/Language.h"

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMenu>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <clocale>
#include <ctime>
#include <numeric>

namespace {

constexpr int kInstanceCommandRetryMs = 100;

} // namespace

// Everything start-up makes and shutdown takes down again, in the order it
// is made.
struct CApp::Session {
    // The MIDI engine, then the librarian state whose reader and writer use
    // its ports: the windows and the commands point to both, so they go
    // last.
    CMidiEngine engine;
    CLibrarianState state{engine.setup};
    std::unique_ptr<CMMF> guard;
    std::unique_ptr<CAppEventHooks> hooks;
    std::unique_ptr<CAppTextSinks> sinks;
    // Shows what a transfer waits for and lets the windows run meanwhile.
    std::unique_ptr<CTransferWaitWindow> waitWindow;
    std::unique_ptr<CStartUpSimulator> simulator;
    std::unique_ptr<CAppRecentFiles> recentFiles;
    std::unique_ptr<CMainFrame> mainFrame;
    std::unique_ptr<CDocMan> docMan;
    std::unique_ptr<CMidiWarningConfirmation> confirmation;
    std::unique_ptr<CAppCommandTarget> commands;
    // The history library and the recorder the commands record through.
    std::unique_ptr<CLibrary> library;
    std::unique_ptr<CHistoryRecorder> history;

    // Opens "library.sqlite" in the user's data folder, beside the backups;
    // without it the program goes on as before (Open has said why).
    void OpenLibrary() {
        const std::string path =
            QFile::encodeName(QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation) +
                                              QStringLiteral("/library.sqlite")))
                .toStdString();
        library = CLibrary::Open(path);
        history = std::make_unique<CHistoryRecorder>(library.get());
        history->SetEnabled(LoadKeepHistory(GT::GetProfile()));
        state.History().Set(library.get(), history.get());
        if (library && history->IsEnabled())
            library->TakeInBackups(QFile::encodeName(BackupFolder()).toStdString());
    }
    CImageDocTemplate* imageTemplate = nullptr; // owned by docMan
    bool engineStarted = false;
    // The areas the main window showed from the last known state while the
    // start-up read ran.
    std::vector<int> rememberedAreas;
};

CApp::CApp(int& argc, char** argv) : QApplication(argc, argv), clock_(&ML::SystemTickClock()) {
    setOrganizationName(QStringLiteral("Tessan"));
    setApplicationName(QString::fromStdString(UL::GetVersionString("FileDescription")));
    // Every window shows the program's own icon; the desktop matches the
    // windows to the program's desktop entry.
    setWindowIcon(ProgramIcon());
    setDesktopFileName(QStringLiteral(ZM47_APP_ID));
}

CApp::~CApp() { ExitInstance(); }

CApp* CApp::Instance() { return qobject_cast<CApp*>(QCoreApplication::instance()); }

int CApp::Run(const CAppOptions& options) {
    UL::InstallTextDialog();
    const bool started = InitInstance(options);
    const int status = started ? exec() : (handedOver_ ? 0 : 1);
    ExitInstance();
    return status;
}

bool CApp::InitInstance(const CAppOptions& options) {
    ExitInstance();
    handedOver_ = false;
    session_ = std::make_unique<Session>();
    std::setlocale(LC_ALL, "");
    if (HandOverToFirstInstance(options))
        return false;
    // The wait cursor that long commands ask for is shown from here on.
    UL::InstallCursorApplier();
    // The windows are made in the language chosen here.
    InstallLanguage(options.language.isEmpty() ? IsJapaneseUserInterface() : options.language == QLatin1String("ja"));
    if (!CreateFrameAndDocuments(options))
        return false;
    if (!StartEngine(options))
        return false;
    LoadInitialData();
    session_->OpenLibrary();
    // The main window shows the last known state at once; the start-up read
    // then confirms or replaces it while the window is already on screen.
    const bool readUnit = AskFirstStart();
    CreateMainWindow();
    ShowMainFrame();
    if (startUpShown_)
        startUpShown_();
    ReadUnitAtStartUp(readUnit);
    // A file that cannot be opened has been named in a message; the
    // librarian goes on without it, as it does when a running one is handed
    // such a file.
    ProcessCommandLine(options.file);
    return true;
}

bool CApp::HandOverToFirstInstance(const CAppOptions& options) {
    session_->guard = std::make_unique<CMMF>(CMMF::ServerNameFor(applicationName()));
    if (session_->guard->IsFirstInstance()) {
        session_->guard->SetCommandHandler([this](const QString& command) { OnInstanceCommand(command); });
        return false;
    }
    // A later start only brings the first instance forward, with its file.
    const QString path = CleanCommandLinePath(options.file);
    handedOver_ = session_->guard->SendCommand(path.isEmpty() ? QString() : MakeDdeOpenCommand(path));
    if (!handedOver_)
        UL::GetTextDialog().Show(tr("ZM-47 Librarian is already running but does not answer.").toStdString(),
                                 UL::kButtonsOk, UL::kIconExclamation);
    return true;
}

bool CApp::CreateFrameAndDocuments(const CAppOptions& options) {
    Session& s = *session_;
    s.recentFiles = std::make_unique<CAppRecentFiles>(GT::GetProfile());
    s.recentFiles->Load();
    s.mainFrame = std::make_unique<CMainFrame>(s.state);
    s.docMan = std::make_unique<CDocMan>();
    s.imageTemplate = AddLibrarianTemplates(*s.mainFrame, *s.docMan).image;
    if (!options.noRegister)
        RegisterLibrarianFileType({ProgramIconName(), ProgramIconSvg(), FileIconSvg()});
    if (!s.mainFrame->Create())
        return false;
    s.docMan->SetDialogParent(s.mainFrame.get());
    s.docMan->SetSavedHandler([recent = s.recentFiles.get()](const QString& path) { recent->Add(path); });
    s.mainFrame->SetDocMan(s.docMan.get());
    s.confirmation = std::make_unique<CMidiWarningConfirmation>(s.mainFrame.get());
    s.mainFrame->SetConfirmation(s.confirmation.get());
    InstallWindowCommands(*s.mainFrame, *s.docMan);
    s.commands = std::make_unique<CAppCommandTarget>(*s.mainFrame, *s.docMan, *s.recentFiles, s.state);
    s.commands->AppCommands().InstallMessageActions();
    AttachRecentFiles();
    s.mainFrame->SetApplicationTarget(s.commands.get());
    s.mainFrame->SetCloseQuery(
        [this, manager = s.docMan.get()] { return SettleUnsentChanges() && manager->SaveAllModified(); });
    connect(s.mainFrame.get(), &CMainFrame::filesDropped, this, &CApp::OnFilesDropped);
    LoadSettings(GT::GetProfile(), session_->state, session_->state.GetListFont());
    return true;
}

bool CApp::StartEngine(const CAppOptions& options) {
    Session& s = *session_;
    s.hooks = std::make_unique<CAppEventHooks>();
    s.sinks = std::make_unique<CAppTextSinks>(s.engine);
    s.sinks->SetOwner(s.mainFrame.get());
    if (options.simulator) {
        s.simulator = std::make_unique<CStartUpSimulator>();
        if (!options.simMemory.isEmpty())
            s.simulator->UseMemoryFile(options.simMemory.toStdString());
        if (simulatorSetUp_)
            simulatorSetUp_(s.simulator->Simulator());
    }
    s.engineStarted = true;
    s.engine.factory.SetDeviceClock(*clock_);
    if (!s.engine.ConfigurePorts(GetModelName().c_str())) {
        UL::GetTextDialog().Show(tr("Unable to create MIDI manager.\n").toStdString(), UL::kButtonsOk,
                                 UL::kIconExclamation);
        return false;
    }
    if (!CreateTransferObjects(session_->state, &UL::GetProgressBarB(), *clock_))
        return false;
    s.waitWindow = std::make_unique<CTransferWaitWindow>(UL::GetProgressBarB());
    s.engine.setup.SetWaitObserver(s.waitWindow.get());
    ChooseLanguage();
    s.engine.factory.Initialize();
    s.engine.setup.Load(GT::GetProfile());
    if (s.simulator)
        s.simulator->BindIfNothingChosen(s.engine.setup, GT::GetProfile(), GetModelName().c_str());
    return true;
}

void CApp::AttachRecentFiles() {
    // The entries go above Exit in the menu that holds it.
    QAction* exit = session_->mainFrame->Action(kCmdAppExit);
    if (!exit)
        return;
    for (QObject* object : exit->associatedObjects())
        if (auto* menu = qobject_cast<QMenu*>(object)) {
            session_->recentFiles->Attach(*menu, exit, [this](const QString& path) { return OpenDocumentFile(path); });
            return;
        }
}

void CApp::ChooseLanguage() {
    // The Japanese resources say "Japanese" where the English ones say
    // "English"; the message table follows the resources in use.
    const bool english = tr("English") == QLatin1String("English");
    GetMessageTable().SetLanguage(english ? CMessageTable::kEnglish : CMessageTable::kJapanese);
}

void CApp::LoadInitialData() {
    const std::string path = initialDataPath_.empty() ? GetInitialDataFilePath() : initialDataPath_;
    if (!CInitialFileDocument::Instance().Load(path))
        UL::GetTextDialog().Show(tr("Unable to read initial file.").toStdString(), UL::kButtonsOk,
                                 UL::kIconExclamation);
}

void CApp::CreateMainWindow() {
    Session& s = *session_;
    s.imageTemplate->OpenDocumentFile(QString());
    CImageDoc* document = s.imageTemplate->GetImageDoc();
    if (!document)
        return;
    // Without Keep History the library is not kept up to date, so its last
    // known state would only be an old one.
    if (s.library && s.history && s.history->IsEnabled())
        s.rememberedAreas = ShowLastKnownState(*s.library, document->GetDocumentData());
    ShowRememberedAreas(*document, true);
}

void CApp::ShowRememberedAreas(CImageDoc& document, bool reading) {
    for (int area : session_->rememberedAreas)
        document.GetDocumentData().GetProvenance()->SetReading(area, reading);
    document.UpdateAllViews(nullptr, kHintContents);
    if (CImageView* view = GetMainView())
        view->UpdateNotice();
}

bool CApp::AskFirstStart() {
    GT::IProfile& profile = GT::GetProfile();
    // Someone who works without the unit is not told at every start that
    // no devices are set up.
    COruMidiSetup& midi = session_->engine.setup;
    if (!CWelcomeDialog::ShouldShow(midi, profile))
        return midi.IsSetUp() || !CWelcomeDialog::WorksWithoutUnit(profile);
    const QString model = QString::fromStdString(GetModelName());
    CWelcomeDialog welcome(model, profile);
    const int choice = welcomeRunner_ ? welcomeRunner_(welcome) : welcome.Ask();
    if (choice == CWelcomeDialog::kFindUnit || choice == CWelcomeDialog::kSetUpByHand) {
        CMidiSetupDialog setup(UnitMidiSetupDescriptor(model), midi, profile);
        setup.SetFindOnOpen(choice == CWelcomeDialog::kFindUnit);
        if (midiSetupRunner_) {
            setup.OnInitDialog();
            midiSetupRunner_(setup);
        } else {
            setup.DoModal();
        }
    }
    // Without devices the read could only say that they are missing, which
    // the user has just been told.
    return midi.IsSetUp();
}

void CApp::ReadUnitAtStartUp(bool read) {
    Session& s = *session_;
    CImageDoc* document = s.imageTemplate ? s.imageTemplate->GetImageDoc() : nullptr;
    if (!document)
        return;
    CImageDocument& data = document->GetDocumentData();
    // A failed area is undone by the reader and keeps what it showed: its
    // initial patches, shown as not read, or its last known state, shown as
    // remembered and refused by Write. The reader has said why. The areas
    // read are states of the unit; a row whose patch differs from the
    // remembered one is marked changed on the unit.
    if (AReader* reader = read ? s.state.GetReader() : nullptr) {
        std::vector<int> failed;
        if (reader->ReadAll(data, &failed)) {
            const std::int64_t now = std::time(nullptr);
            std::size_t count = 0;
            for (int area = 1; area <= kAreaCount; ++area) {
                if (std::find(failed.begin(), failed.end(), area) != failed.end())
                    continue;
                count += data.GetArray(area).Size();
                std::vector<int> indexes(data.GetArray(area).Size());
                std::iota(indexes.begin(), indexes.end(), 0);
                data.GetProvenance()->MarkRead(area, indexes, data.GetArray(area), now);
                s.state.History().Recorder().UnitRead(area, {}, data.GetArray(area));
            }
            if (CMainFrame* frame = GetMainFrame())
                frame->ShowResult(QString::fromStdString(StartUpReadSummary(count, failed)));
        }
    }
    ShowRememberedAreas(*document, false);
}

bool CApp::SettleUnsentChanges() {
    CImageView* view = GetMainView();
    auto* commands = view ? dynamic_cast<CWindowCommands*>(view->GetCommands()) : nullptr;
    if (!commands)
        return true;
    if (unsentQuestion_)
        return ::SettleUnsentChanges(*commands, unsentQuestion_);
    CMainFrame* frame = GetMainFrame();
    return ::SettleUnsentChanges(*commands, [frame](const QString& text) { return AskUnsentChanges(frame, text); });
}

bool CApp::ProcessCommandLine(const QString& file) {
    const QString path = CleanCommandLinePath(file);
    return path.isEmpty() || OpenDocumentFile(path);
}

void CApp::ShowMainFrame() {
    CMainFrame& frame = *session_->mainFrame;
    frame.show();
    frame.setAcceptDrops(true);
    // Painted before the start-up read begins, so that the last known state
    // is on screen while the unit is read.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

int CApp::ExitInstance() {
    if (!session_)
        return 0;
    Session& s = *session_;
    if (s.imageTemplate && s.imageTemplate->GetImageDoc()) {
        SaveSettings(GT::GetProfile(), session_->state, session_->state.GetListFont());
        if (CImageFrame* frame = s.mainFrame->GetImageFrame())
            frame->ForceClose();
    }
    if (s.engineStarted)
        ShutdownEngine(session_->state, session_->engine);
    s.engine.setup.SetWaitObserver(nullptr);
    s.waitWindow.reset();
    if (s.mainFrame) {
        s.mainFrame->hide();
        s.mainFrame->SetApplicationTarget(nullptr);
    }
    s.commands.reset();
    s.confirmation.reset();
    s.mainFrame.reset();
    s.docMan.reset();
    // After the documents, which record their saves through it.
    s.state.History().Set(nullptr, nullptr);
    s.history.reset();
    s.library.reset();
    s.simulator.reset();
    if (s.recentFiles)
        s.recentFiles->Save();
    s.recentFiles.reset();
    s.sinks.reset();
    s.hooks.reset();
    s.guard.reset();
    session_.reset();
    // Requests made after shutdown are only recorded again.
    UL::GetCursor().SetApplier({});
    return 0;
}

bool CApp::OnIdle(int /*count*/) {
    CAppEventHooks::OnIdle();
    return false;
}

bool CApp::OnDDECommand(const QString& command) {
    const std::optional<QString> path = ParseDdeOpenCommand(command);
    if (!path)
        return false;
    if (CMainFrame* frame = GetMainFrame())
        RestoreAndRaise(*frame);
    return OpenDocumentFile(*path);
}

void CApp::OnInstanceCommand(const QString& command) {
    // A command that arrives while a transfer lets the windows run waits
    // until the transfer is over.
    if (UL::GetProgressBarB().IsPumping()) {
        QTimer::singleShot(kInstanceCommandRetryMs, this, [this, command] { OnInstanceCommand(command); });
        return;
    }
    if (command.isEmpty()) {
        if (CMainFrame* frame = GetMainFrame())
            RestoreAndRaise(*frame);
        return;
    }
    OnDDECommand(command);
}

void CApp::OnFilesDropped(const QStringList& paths) {
    if (CMainFrame* frame = GetMainFrame())
        frame->activateWindow();
    for (const QString& path : paths)
        OpenDocumentFile(path);
}

bool CApp::OpenDocumentFile(const QString& path) {
    if (!session_ || !session_->docMan)
        return false;
    IDocManDocument* document = session_->docMan->OpenDocumentFile(path);
    if (!document)
        return false;
    // A SysEx file or an SMF opens as an untitled window: the list offers
    // that file again.
    session_->recentFiles->Add(document->GetPathName().isEmpty() ? path : document->GetPathName());
    return true;
}

CImageView* CApp::GetMainView() const { return GetMainFrame() ? GetMainFrame()->GetMainView() : nullptr; }

CMainFrame* CApp::GetMainFrame() const { return session_ ? session_->mainFrame.get() : nullptr; }

CDocMan* CApp::GetDocMan() const { return session_ ? session_->docMan.get() : nullptr; }

CAppRecentFiles* CApp::GetRecentFiles() const { return session_ ? session_->recentFiles.get() : nullptr; }

sim::CVirtualSimulator* CApp::GetSimulator() const {
    return session_ && session_->simulator ? &session_->simulator->Simulator() : nullptr;
}

CLibrarianState* CApp::GetLibrarianState() const { return session_ ? &session_->state : nullptr; }

CMidiEngine* CApp::GetMidiEngine() const { return session_ ? &session_->engine : nullptr; }
