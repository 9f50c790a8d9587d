#pragma once
// "Set Up MIDI Devices": the MIDI input and output of the unit and the input
// and output of the "Through" pair, and the device id. OK rebinds every
// logical port to the devices chosen, opens them and saves the choice;
// Cancel changes nothing.
//
// "Find the ZM-47" searches every port for the unit and fills in the pair and
// the device id where it answered; "Test" asks the chosen pair and says how
// fast the unit answered, or why it did not. Both run on a thread of their
// own, with the engine's devices closed meanwhile, while a line under the
// lists says what they do; the dialog stays responsive and either can be
// stopped (Cancel of the dialog stops them too).
#include "engine/UnitFinder.h"
#include "toolkit/profile/Profile.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QString>

#include <map>
#include <memory>
#include <thread>
#include <vector>

class COruMidiSetup;

// The controls of one logical port: its device list and device-id list, and
// the device ids the id list offers (shown one higher).
struct SMidiSetupGroup {
    int deviceListId;
    int deviceIdListId;
    int lowestDeviceId;
    int highestDeviceId;
};

struct SMidiSetupDescriptor {
    int dialogId = 0;
    int captionControlId = -1;
    QString caption;
    std::vector<SMidiSetupGroup> inputGroups;
    std::vector<SMidiSetupGroup> outputGroups;
    int hiddenControlId = -1; // a control hidden at start, or -1
};

// The descriptor of the "Set Up MIDI Devices" command: the unit's pair,
// whose input and output share device-id list 4096 (ids 0x10..0x1F, shown
// as 17..32), and the "Through" pair without a device-id list.
SMidiSetupDescriptor UnitMidiSetupDescriptor(const QString& modelName = QStringLiteral("ZM-47"));

class CMidiSetupDialog : public QDialog {
    Q_OBJECT
public:
    // Control ids of dialog 3077.
    enum ControlId : int {
        kDeviceIdList = 4096,
        kInput0 = 4101,
        kOutput0 = 4104,
        kCaptionGroup = 4110,
        kInput1 = 4111,
        kOutput1 = 4112,
    };

    // setup (the engine's, with its ports) and profile are not owned.
    CMidiSetupDialog(const SMidiSetupDescriptor& descriptor, COruMidiSetup& setup, GT::IProfile& profile,
                     QWidget* parent = nullptr);
    ~CMidiSetupDialog() override;

    // Fills the lists from the ports and devices as they are now (also done
    // by DoModal; tests call it to look at the lists without running).
    void OnInitDialog();
    // Rebinds, opens and saves from what the lists show.
    void OnOK();
    // Runs the dialog; QDialog::Accepted after OK.
    int DoModal();

    // A control by id (drop-down lists and the caption group), or nullptr.
    QComboBox* ComboBox(int id) const;
    QGroupBox& CaptionGroup() { return captionGroup_; }

    // Fills a list: the items in order, then the last one equal to current
    // is selected (none when there is none).
    static void FillList(QComboBox& list, const std::vector<QString>& items, const QString& current);
    // The device ids lowest..highest, shown as lowest+1..highest+1, with
    // current selected when it is among them.
    static void FillDeviceIdList(QComboBox& list, int lowest, int highest, int current);
    // The number shown minus 1, low 8 bits; -1 when the list shows no
    // number (the port then keeps its device id).
    static int ReadDeviceId(const QComboBox& list);

    void accept() override;
    // Stops a search or test under way first.
    void reject() override;

    // Starts the search (or stops the one under way); the lists are filled
    // in when it ends.
    void StartFind();
    // Asks the chosen pair with the chosen device id.
    void StartTest();
    // Starts the search as soon as the dialog shows (DoModal).
    void SetFindOnOpen(bool find) { findOnOpen_ = find; }
    // A search or test is under way.
    bool IsBusy() const { return worker_.joinable(); }
    // Stops a search or test and waits for its thread.
    void StopSearch();

    QPushButton& FindButton() { return findButton_; }
    QPushButton& TestButton() { return testButton_; }
    QPushButton& OkButton() { return *buttons_.button(QDialogButtonBox::Ok); }
    const QLabel& StatusLine() const { return status_; }
    const QProgressBar& SearchBar() const { return searchBar_; }
    // What the last search found (empty before one ended).
    const std::vector<SFoundUnit>& Found() const { return found_; }

    // The line for a step of the search.
    static QString StepText(const SUnitFinderStep& step);
    // The line for a test's result; input and output as chosen, deviceId as
    // the list shows it (17 to 32).
    static QString CheckText(const SPairCheck& check, const QString& input, const QString& output, int shownDeviceId);

Q_SIGNALS:
    // A search or test has ended and the dialog shows its outcome.
    void searchEnded();

private:
    void BuildControls();
    void FillGroups(bool inputs);
    void BindGroups(bool inputs);
    void SetBusy(bool busy, bool finding);
    // The line under the lists; the dialog grows when the text needs it.
    void ShowStatus(const QString& text);
    void ShowStep(const SUnitFinderStep& step);
    void FindEnded(const std::vector<SFoundUnit>& found, int inputs, int outputs, bool cancelled);
    void TestEnded(const SPairCheck& check, const QString& input, const QString& output, int shownDeviceId);
    // Ends the worker thread and opens the engine's devices again.
    void JoinWorker();
    // Selects text in list, adding it first when the list lacks it.
    static void Choose(QComboBox& list, const QString& text);

    SMidiSetupDescriptor descriptor_;
    COruMidiSetup& setup_;  // not owned
    GT::IProfile& profile_; // not owned
    QGroupBox captionGroup_;
    QGroupBox throughGroup_;
    QLabel input0Label_;
    QLabel output0Label_;
    QLabel deviceIdLabel_;
    QLabel input1Label_;
    QLabel output1Label_;
    QComboBox input0_;
    QComboBox output0_;
    QComboBox deviceId_;
    QComboBox input1_;
    QComboBox output1_;
    QDialogButtonBox buttons_;
    QPushButton findButton_;
    QPushButton testButton_;
    QLabel status_;
    QProgressBar searchBar_;
    bool initialized_ = false;
    bool findOnOpen_ = false;
    bool finding_ = false; // while busy: a search, not a test
    std::unique_ptr<CUnitFinder> finder_;
    std::thread worker_;
    std::vector<SFoundUnit> found_;
};
