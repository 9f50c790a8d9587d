#pragma once
// The commands the application itself handles: About, the manual, "Set Up
// MIDI Devices", "Set Up Font" and the two switches of the writes (read-back
// and backup). The main frame asks this target after the active window's
// view.
#include "app/ui/CommandTarget.h"

#include <QDate>
#include <QString>

#include <optional>

class IDesktopOpener;
class IFontChooser;
class IWindowDirectory;
class CLibrarianState;
namespace GT {
class IProfile;
}
class QWidget;

class CAppCommands : public ICommandTarget {
public:
    // windows, state and parent are not owned and outlive this object; the
    // state has the font the patch lists show (Set Up Font changes it), the
    // engine's setup (MIDI Setup changes it) and the history library; parent
    // owns the dialogs (the main frame).
    CAppCommands(IWindowDirectory& windows, CLibrarianState& state, QWidget* parent = nullptr);
    ~CAppCommands() override;

    // Replacements for tests (not owned); the program's own when null.
    void SetFontChooser(IFontChooser* chooser) { fontChooser_ = chooser; }
    void SetDesktopOpener(IDesktopOpener* opener) { opener_ = opener; }
    // Where the switches are kept; the process-wide profile when null.
    void SetProfile(GT::IProfile* profile) { profile_ = profile; }
    // The folder below which the manuals are; the program's folder when
    // empty.
    void SetProgramDirectory(const QString& folder) { programDirectory_ = folder; }

    bool HandlesCommand(int id) const override;
    // The switches of the writes show a check mark while they are on.
    bool IsCommandChecked(int id) const override;
    bool IsCommandEnabled(int id) const override;
    void OnCommand(int id) override;

    // The failures of transfers offer "Set Up MIDI Devices..." in their
    // message box (messages/ShowMessage.h); the dialog opens once the failed
    // command has ended. Until this object goes.
    void InstallMessageActions();

    // The About dialog with the program's name, version and notice.
    void OnAbout();
    // Opens the manual of the current language; message 10 when it is
    // missing or cannot be opened, with where it was looked for and a
    // button that opens that folder (or the nearest one that exists).
    bool OnManual();
    // The MIDI setup dialog of the unit's ports and the "Through" pair;
    // true after OK.
    bool OnSetUpMidiDevices();
    // The font dialog for the lists; true after OK.
    bool OnSetUpFont();
    // Turns reading back after writes on or off.
    void OnVerifyWrites();
    // Turns the backup before writes on or off.
    void OnBackUpBeforeWriting();
    // Turns the recording in the history library on or off, at once and
    // for the next starts.
    void OnKeepHistory();
    // Asks a date, then whether to delete what the library saw before it;
    // true when something was deleted.
    bool OnForgetHistory();
    // Turns every question turned off with "Don't show this dialog again."
    // back on and says how many in the status bar; the number.
    int OnAskAgain();

protected:
    // Run the modal dialogs; tests replace them.
    virtual void RunAboutDialog();
    virtual bool RunMidiSetupDialog();
    // The date before which the history is forgotten; nothing when
    // cancelled.
    virtual std::optional<QDate> AskForgetDate();

private:
    IWindowDirectory& windows_;           // not owned
    CLibrarianState& state_;              // not owned
    QWidget* parent_;                     // not owned
    IFontChooser* fontChooser_ = nullptr; // not owned
    IDesktopOpener* opener_ = nullptr;    // not owned
    GT::IProfile* profile_ = nullptr;     // not owned
    QString programDirectory_;
    bool actionsInstalled_ = false;
};
