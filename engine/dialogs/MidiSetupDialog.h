#pragma once
// "Set Up MIDI Devices": the MIDI input and output of the unit and the input
// and output of the "Through" pair, and the device id. OK rebinds every
// logical port to the devices chosen, opens them and saves the choice;
// Cancel changes nothing.
#include "toolkit/profile/Profile.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QLabel>
#include <QString>

#include <map>
#include <memory>
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
    int hiddenControlId = -1;  // a control hidden at start, or -1
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

    // setup and profile are not owned; they default to the program's.
    explicit CMidiSetupDialog(const SMidiSetupDescriptor& descriptor, QWidget* parent = nullptr);
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

private:
    void BuildControls();
    void FillGroups(bool inputs);
    void BindGroups(bool inputs);

    SMidiSetupDescriptor descriptor_;
    COruMidiSetup& setup_;   // not owned
    GT::IProfile& profile_;  // not owned
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
    bool initialized_ = false;
};
