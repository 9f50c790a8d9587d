#pragma once
// The question of a first start, before the main window shows: no MIDI
// devices have been chosen yet, so the start-up read could only fail. The
// user finds the unit, sets the devices up by hand or works without the unit
// (files only). The last answer is kept in the profile; once it was "work
// without the unit" the question is not asked again at later starts.
#include "toolkit/profile/Profile.h"

#include <QDialog>
#include <QLabel>
#include <QPushButton>

class COruMidiSetup;

class CWelcomeDialog : public QDialog {
    Q_OBJECT
public:
    enum Choice : int {
        kFindUnit = 0,
        kSetUpByHand = 1,
        kWorkWithoutUnit = 2,
    };
    // "Option" / this value: the last answer.
    static constexpr const char* kChoiceValue = "Option/FirstStartChoice";

    // The model name as the setup dialog shows it; profile is not owned.
    CWelcomeDialog(const QString& modelName, GT::IProfile& profile, QWidget* parent = nullptr);

    // True while nothing is set up and no device choice was ever stored,
    // unless the last answer was to work without the unit.
    static bool ShouldShow(const COruMidiSetup& setup, GT::IProfile& profile);
    // The last answer was to work without the unit.
    static bool WorksWithoutUnit(GT::IProfile& profile);

    // Runs the dialog; the answer, also stored. Closing the dialog (Escape)
    // answers nothing (-1) and stores nothing: the main window opens without
    // reading the unit, and the question comes again at the next start.
    int Ask();
    // The answer given, as Ask returns it; -1 before one.
    int Answer() const { return answer_; }

    QPushButton& FindButton() { return find_; }
    QPushButton& ByHandButton() { return byHand_; }
    QPushButton& WithoutButton() { return without_; }
    const QLabel& Text() const { return text_; }

private:
    void Choose(int choice);

    GT::IProfile& profile_; // not owned
    QLabel text_;
    QPushButton find_;
    QPushButton byHand_;
    QPushButton without_;
    int answer_ = -1;
};
