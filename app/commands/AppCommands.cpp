#include "app/commands/AppCommands.h"

#include "app/commands/CommandWindow.h"
#include "app/commands/FontCommand.h"
#include "app/core/ListFont.h"
#include "app/ui/CommandIds.h"
#include "engine/dialogs/MidiSetupDialog.h"
#include "platform/shell/DesktopOpener.h"
#include "platform/shell/FixedNames.h"
#include "platform/shell/Manual.h"
#include "toolkit/qt/AboutDialog.h"

#include <QApplication>

CAppCommands::CAppCommands(IWindowDirectory& windows, QWidget* parent) : windows_(windows), parent_(parent) {}

CAppCommands::~CAppCommands() = default;

bool CAppCommands::HandlesCommand(int id) const {
    return id == kCmdAbout || id == kCmdManual || id == kCmdSetUpMidiDevices || id == kCmdSetUpFont;
}

void CAppCommands::OnCommand(int id) {
    switch (id) {
    case kCmdAbout: OnAbout(); break;
    case kCmdManual: OnManual(); break;
    case kCmdSetUpMidiDevices: OnSetUpMidiDevices(); break;
    case kCmdSetUpFont: OnSetUpFont(); break;
    default: break;
    }
}

void CAppCommands::OnAbout() { RunAboutDialog(); }

bool CAppCommands::OnManual() {
    const QString folder =
        programDirectory_.isEmpty() ? QString::fromStdString(GetProgramDirectory()) : programDirectory_;
    return OpenManual(folder, opener_ ? *opener_ : GetDesktopOpener());
}

bool CAppCommands::OnSetUpMidiDevices() { return RunMidiSetupDialog(); }

bool CAppCommands::OnSetUpFont() {
    CQtFontChooser dialog;
    return SetUpListFont(fontChooser_ ? *fontChooser_ : dialog, font_ ? *font_ : GetListFont(), windows_, parent_);
}

void CAppCommands::RunAboutDialog() {
    UL::CAboutDialogA dialog(QApplication::windowIcon(), parent_);
    dialog.exec();
}

bool CAppCommands::RunMidiSetupDialog() {
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(QString::fromStdString(GetModelName())), parent_);
    return dialog.DoModal() == QDialog::Accepted;
}
