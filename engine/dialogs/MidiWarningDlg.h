#pragma once
// The question before a transfer that overwrites data, with "Don't show this
// dialog again." The answer to the box is kept per kind of transfer in
// section "Option" of the profile; once it is ticked and confirmed, that
// kind of transfer goes ahead without asking.
#include "toolkit/profile/Profile.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>

#include <string>

// Kinds of transfer that ask first.
enum MidiWarningKind : int {
    kWarnReadUser = 0,
    kWarnWriteUser = 1,
    kWarnReadTemporary = 2,
    kWarnWriteTemporary = 3,
    kWarnImportSmf = 4,
    kWarnImportSysEx = 5,
};

// Asks before a transfer of a kind; true to go on. The commands and the
// preview buttons ask through this, so tests can answer. question says what
// this transfer does ("Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?"); it
// stands above the kind's own text, and may be empty.
class IMidiConfirmation {
public:
    virtual ~IMidiConfirmation() = default;
    virtual bool Confirm(int kind, const std::string& question) = 0;
};

class CMidiWarningDlg : public QDialog {
    Q_OBJECT
public:
    static constexpr int kTextId = 4274;
    static constexpr int kCheckBoxId = 4275;

    // profile: where the answer is kept (not owned).
    explicit CMidiWarningDlg(GT::IProfile& profile, QWidget* parent = nullptr);

    // "Option" entry of a kind ("ReadUser", ...), or nullptr for another
    // number.
    static const char* ValueName(int kind);
    // Message id of a kind's question, or 0.
    static int MessageId(int kind);

    // The kinds whose question is turned off ("Don't show this dialog
    // again." ticked and confirmed) in the profile.
    static int CountTurnedOff(GT::IProfile& profile);
    // Setup - Ask Again: every question turned off is asked again. The
    // number of questions turned back on.
    static int AskAgain(GT::IProfile& profile);

    // Remembers the kind and reads its stored answer; true when the dialog is
    // to be shown (nothing stored, or 0).
    bool ShouldShow(int kind);
    // What this transfer does, shown in bold above the kind's text; empty
    // shows the kind's text alone.
    void SetQuestion(const std::string& question) { question_ = question; }
    // Runs the dialog; QDialog::Accepted after OK.
    int DoModal();
    // Texts for the kind (done by DoModal).
    void OnInitDialog();
    // Stores the box's state for the kind and ends with OK.
    void OnOK();
    void accept() override;

    int GetKind() const { return kind_; }
    int GetDontShow() const { return dontShow_; }
    QLabel& Question() { return questionLabel_; }
    QLabel& Text() { return text_; }
    QCheckBox& CheckBox() { return checkBox_; }

private:
    void BuildControls();

    GT::IProfile& profile_; // not owned
    int dontShow_ = 0;
    int kind_ = 0;
    std::string question_;
    QLabel questionLabel_;
    QLabel text_;
    QCheckBox checkBox_;
    QDialogButtonBox buttons_;
};

// The confirmation of the running program: the warning dialog unless its
// kind is suppressed. RunDialog is where tests answer.
class CMidiWarningConfirmation : public IMidiConfirmation {
public:
    explicit CMidiWarningConfirmation(QWidget* parent = nullptr);
    CMidiWarningConfirmation(GT::IProfile& profile, QWidget* parent = nullptr);
    bool Confirm(int kind, const std::string& question) override;

protected:
    // Shows the dialog (ShouldShow already called); the button pressed.
    virtual int RunDialog(CMidiWarningDlg& dialog) { return dialog.DoModal(); }

private:
    GT::IProfile& profile_; // not owned
    QWidget* parent_;       // not owned
};
