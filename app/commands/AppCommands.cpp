#include "app/commands/AppCommands.h"

#include "app/commands/CommandWindow.h"
#include "app/commands/FontCommand.h"
#include "app/core/FontEx.h"
#include "app/core/LibrarianState.h"
#include "app/core/HistorySettings.h"
#include "app/core/WriteSettings.h"
#include "app/ui/CommandIds.h"
#include "engine/dialogs/MidiSetupDialog.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/shell/FixedNames.h"
#include "platform/shell/Manual.h"
#include "toolkit/profile/Profile.h"
#include "toolkit/qt/AboutDialog.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QTimer>
#include <QMainWindow>
#include <QStatusBar>

CAppCommands::CAppCommands(IWindowDirectory& windows, CLibrarianState& state, QWidget* parent)
    : windows_(windows), state_(state), parent_(parent) {}

CAppCommands::~CAppCommands() {
    if (actionsInstalled_)
        SetMessageAction(kActionMidiSetup, {}, {});
}

void CAppCommands::InstallMessageActions() {
    actionsInstalled_ = true;
    const QString label = QCoreApplication::translate("CommandTexts", "Set Up &MIDI Devices...");
    SetMessageAction(kActionMidiSetup, label.toStdString(), [this] {
        // Not inside the transfer that failed: its ports are still in use
        // until it has returned.
        QTimer::singleShot(0, parent_ ? static_cast<QObject*>(parent_) : QCoreApplication::instance(),
                           [this] { OnSetUpMidiDevices(); });
    });
}

bool CAppCommands::HandlesCommand(int id) const {
    return id == kCmdAbout || id == kCmdManual || id == kCmdSetUpMidiDevices || id == kCmdSetUpFont ||
           id == kCmdVerifyWrites || id == kCmdBackUpBeforeWriting || id == kCmdKeepHistory ||
           id == kCmdForgetHistory || id == kCmdAskAgain;
}

bool CAppCommands::IsCommandEnabled(int id) const {
    // Without a library there is nothing to keep or forget.
    if (id == kCmdKeepHistory || id == kCmdForgetHistory)
        return state_.History().Library() != nullptr;
    if (id == kCmdAskAgain)
        return CMidiWarningDlg::CountTurnedOff(profile_ ? *profile_ : GT::GetProfile()) > 0;
    return id != 0;
}

bool CAppCommands::IsCommandChecked(int id) const {
    GT::IProfile& profile = profile_ ? *profile_ : GT::GetProfile();
    if (id == kCmdVerifyWrites)
        return LoadWriteSettings(profile).verify;
    if (id == kCmdBackUpBeforeWriting)
        return LoadWriteSettings(profile).backup;
    if (id == kCmdKeepHistory)
        return LoadKeepHistory(profile);
    return false;
}

void CAppCommands::OnCommand(int id) {
    switch (id) {
    case kCmdAbout:
        OnAbout();
        break;
    case kCmdManual:
        OnManual();
        break;
    case kCmdSetUpMidiDevices:
        OnSetUpMidiDevices();
        break;
    case kCmdSetUpFont:
        OnSetUpFont();
        break;
    case kCmdVerifyWrites:
        OnVerifyWrites();
        break;
    case kCmdBackUpBeforeWriting:
        OnBackUpBeforeWriting();
        break;
    case kCmdKeepHistory:
        OnKeepHistory();
        break;
    case kCmdForgetHistory:
        OnForgetHistory();
        break;
    case kCmdAskAgain:
        OnAskAgain();
        break;
    default:
        break;
    }
}

void CAppCommands::OnAbout() { RunAboutDialog(); }

bool CAppCommands::OnManual() {
    const QString folder =
        programDirectory_.isEmpty() ? QString::fromStdString(GetProgramFilesDirectory()) : programDirectory_;
    IDesktopOpener& opener = opener_ ? *opener_ : GetDesktopOpener();
    if (OpenManual(folder, opener))
        return true;
    const QString path = GetManualPath(folder);
    // The manual's folder, or the nearest folder above it that exists.
    QString nearest = QFileInfo(path).absolutePath();
    while (!QFileInfo(nearest).isDir()) {
        const QString up = QFileInfo(nearest).absolutePath();
        if (up == nearest)
            break;
        nearest = up;
    }
    SetMessageAction(kActionManualFolder, QCoreApplication::translate("CAppCommands", "Open &Folder").toStdString(),
                     [&opener, nearest] { opener.OpenLocalFile(nearest); });
    ShowMessageWithAction(kActionManualFolder,
                          GetMessageTable().Get(kMsgManualNotLoaded) + "\n\n" +
                              MessageWith(kMsgManualLookedFor, QDir::toNativeSeparators(path).toStdString()));
    SetMessageAction(kActionManualFolder, {}, {});
    return false;
}

bool CAppCommands::OnSetUpMidiDevices() { return RunMidiSetupDialog(); }

bool CAppCommands::OnSetUpFont() {
    CQtFontChooser dialog;
    return SetUpListFont(fontChooser_ ? *fontChooser_ : dialog, state_.GetListFont(), windows_, parent_);
}

void CAppCommands::OnVerifyWrites() {
    GT::IProfile& profile = profile_ ? *profile_ : GT::GetProfile();
    SaveVerifyWrites(profile, !LoadWriteSettings(profile).verify);
}

void CAppCommands::OnBackUpBeforeWriting() {
    GT::IProfile& profile = profile_ ? *profile_ : GT::GetProfile();
    SaveBackUpBeforeWriting(profile, !LoadWriteSettings(profile).backup);
}

int CAppCommands::OnAskAgain() {
    const int count = CMidiWarningDlg::AskAgain(profile_ ? *profile_ : GT::GetProfile());
    const QString said =
        count == 1
            ? QCoreApplication::translate("CAppCommands", "The question that was turned off will be asked again.")
            : QCoreApplication::translate("CAppCommands", "The %1 questions that were turned off will be asked again.")
                  .arg(count);
    if (auto* frame = qobject_cast<QMainWindow*>(parent_))
        frame->statusBar()->showMessage(said);
    return count;
}

void CAppCommands::RunAboutDialog() {
    UL::CAboutDialogA dialog(QApplication::windowIcon(), parent_);
    dialog.exec();
}

bool CAppCommands::RunMidiSetupDialog() {
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(QString::fromStdString(GetModelName())), state_.MidiSetup(),
                            profile_ ? *profile_ : GT::GetProfile(), parent_);
    return dialog.DoModal() == QDialog::Accepted;
}
