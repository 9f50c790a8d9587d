#include "engine/dialogs/WelcomeDialog.h"

#include "engine/MidiSetup.h"

#include <QVBoxLayout>

CWelcomeDialog::CWelcomeDialog(const QString& modelName, GT::IProfile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile) {
    setWindowTitle(tr("Welcome to the %1 Librarian").arg(modelName));
    text_.setText(tr("<p><b>Welcome.</b> The librarian reads and writes the patches of the %1 through a MIDI "
                     "interface. No MIDI devices have been chosen for it yet.</p>"
                     "<p>Connect the unit's MIDI OUT and MIDI IN to the interface and switch it on, then let the "
                     "librarian find it.</p>")
                      .arg(modelName));
    text_.setWordWrap(true);
    text_.setTextFormat(Qt::RichText);
    find_.setText(tr("&Find the %1").arg(modelName));
    find_.setToolTip(tr("Opens Set Up MIDI Devices and searches every MIDI port for the unit"));
    byHand_.setText(tr("Set Up by &Hand\u2026"));
    byHand_.setToolTip(tr("Opens Set Up MIDI Devices to choose the ports and the device ID yourself"));
    without_.setText(tr("&Work Without the Unit"));
    without_.setToolTip(tr("Starts with the librarian's files only; the devices can be chosen later in Setup - "
                           "Set Up MIDI Devices. This question is not asked again."));
    find_.setDefault(true);
    find_.setAutoDefault(true);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&text_);
    layout->addSpacing(6);
    for (QPushButton* button : {&find_, &byHand_, &without_})
        layout->addWidget(button);
    text_.setMinimumWidth(420);

    connect(&find_, &QPushButton::clicked, this, [this] { Choose(kFindUnit); });
    connect(&byHand_, &QPushButton::clicked, this, [this] { Choose(kSetUpByHand); });
    connect(&without_, &QPushButton::clicked, this, [this] { Choose(kWorkWithoutUnit); });
}

bool CWelcomeDialog::ShouldShow(const COruMidiSetup& setup, GT::IProfile& profile) {
    if (setup.IsSetUp())
        return false;
    // A choice stored in the setup dialog, even "(none)", was made knowingly.
    if (!profile.GetString("MIDIConnection/MIDIInDevice0", "").empty() ||
        !profile.GetString("MIDIConnection/MIDIOutDevice0", "").empty())
        return false;
    return profile.GetInt(kChoiceValue, kFindUnit) != kWorkWithoutUnit;
}

bool CWelcomeDialog::WorksWithoutUnit(GT::IProfile& profile) {
    return profile.GetInt(kChoiceValue, kFindUnit) == kWorkWithoutUnit;
}

void CWelcomeDialog::Choose(int choice) {
    answer_ = choice;
    profile_.WriteInt(kChoiceValue, choice);
    accept();
}

int CWelcomeDialog::Ask() {
    answer_ = -1;
    exec();
    return answer_;
}
