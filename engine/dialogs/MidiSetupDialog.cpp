#include "engine/dialogs/MidiSetupDialog.h"

#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"

#include <QGridLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QString ToQString(const std::string& text) { return QString::fromStdString(text); }

std::vector<QString> ToQStrings(const std::vector<std::string>& texts) {
    std::vector<QString> result;
    result.reserve(texts.size());
    for (const std::string& text : texts)
        result.push_back(ToQString(text));
    return result;
}

constexpr int kUnitDeviceIdLow = 0x10;
constexpr int kUnitDeviceIdHigh = 0x1F;
constexpr int kNoControl = -1;

} // namespace

SMidiSetupDescriptor UnitMidiSetupDescriptor(const QString& modelName) {
    SMidiSetupDescriptor descriptor;
    descriptor.dialogId = 3077;
    descriptor.captionControlId = CMidiSetupDialog::kCaptionGroup;
    descriptor.caption = modelName;
    // The unit's input and output share the one device-id list: the unit
    // has one device id, which its replies carry and its requests must
    // carry. The "Through" pair passes messages on unchanged, so it has no
    // list and keeps its ids.
    const int idList = CMidiSetupDialog::kDeviceIdList;
    descriptor.inputGroups = {{CMidiSetupDialog::kInput0, idList, kUnitDeviceIdLow, kUnitDeviceIdHigh},
                              {CMidiSetupDialog::kInput1, kNoControl, kUnitDeviceIdLow, kUnitDeviceIdHigh}};
    descriptor.outputGroups = {{CMidiSetupDialog::kOutput0, idList, kUnitDeviceIdLow, kUnitDeviceIdHigh},
                               {CMidiSetupDialog::kOutput1, kNoControl, kUnitDeviceIdLow, kUnitDeviceIdHigh}};
    descriptor.hiddenControlId = -1;
    return descriptor;
}

CMidiSetupDialog::CMidiSetupDialog(const SMidiSetupDescriptor& descriptor, QWidget* parent)
    : CMidiSetupDialog(descriptor, GetMidiSetup(), GT::GetProfile(), parent) {}

CMidiSetupDialog::CMidiSetupDialog(const SMidiSetupDescriptor& descriptor, COruMidiSetup& setup,
                                   GT::IProfile& profile, QWidget* parent)
    : QDialog(parent), descriptor_(descriptor), setup_(setup), profile_(profile),
      buttons_(QDialogButtonBox::Ok | QDialogButtonBox::Cancel) {
    BuildControls();
}

CMidiSetupDialog::~CMidiSetupDialog() = default;

void CMidiSetupDialog::BuildControls() {
    setWindowTitle(tr("Set Up MIDI Devices"));
    input0Label_.setText(tr("&Input:"));
    output0Label_.setText(tr("&Output:"));
    deviceIdLabel_.setText(tr("&Device ID"));
    throughGroup_.setTitle(tr("Through"));
    input1Label_.setText(tr("I&nput:"));
    output1Label_.setText(tr("O&utput:"));
    input0Label_.setBuddy(&input0_);
    output0Label_.setBuddy(&output0_);
    deviceIdLabel_.setBuddy(&deviceId_);
    input1Label_.setBuddy(&input1_);
    output1Label_.setBuddy(&output1_);
    // Items stay in the order they are added.
    for (QComboBox* list : {&input0_, &output0_, &deviceId_, &input1_, &output1_}) {
        list->setInsertPolicy(QComboBox::NoInsert);
        list->setMinimumContentsLength(24);
    }
    deviceId_.setMinimumContentsLength(4);

    auto* unitLayout = new QGridLayout(&captionGroup_);
    unitLayout->addWidget(&input0Label_, 0, 0);
    unitLayout->addWidget(&output0Label_, 0, 1);
    unitLayout->addWidget(&input0_, 1, 0);
    unitLayout->addWidget(&output0_, 1, 1);
    auto* throughLayout = new QGridLayout(&throughGroup_);
    throughLayout->addWidget(&input1Label_, 0, 0);
    throughLayout->addWidget(&output1Label_, 0, 1);
    throughLayout->addWidget(&input1_, 1, 0);
    throughLayout->addWidget(&output1_, 1, 1);

    // The unit's device id sits below the groups, beside the buttons: a
    // unit set to another id can only be reached once it is chosen here.
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(&deviceIdLabel_);
    bottom->addWidget(&deviceId_);
    bottom->addStretch();
    bottom->addWidget(&buttons_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&captionGroup_);
    layout->addWidget(&throughGroup_);
    layout->addLayout(bottom);

    buttons_.button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons_.button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    buttons_.button(QDialogButtonBox::Ok)->setDefault(true);
    connect(&buttons_, &QDialogButtonBox::accepted, this, &CMidiSetupDialog::accept);
    connect(&buttons_, &QDialogButtonBox::rejected, this, &CMidiSetupDialog::reject);
}

QComboBox* CMidiSetupDialog::ComboBox(int id) const {
    switch (id) {
    case kDeviceIdList:
        return const_cast<QComboBox*>(&deviceId_);
    case kInput0:
        return const_cast<QComboBox*>(&input0_);
    case kOutput0:
        return const_cast<QComboBox*>(&output0_);
    case kInput1:
        return const_cast<QComboBox*>(&input1_);
    case kOutput1:
        return const_cast<QComboBox*>(&output1_);
    default:
        return nullptr;
    }
}

void CMidiSetupDialog::FillList(QComboBox& list, const std::vector<QString>& items, const QString& current) {
    list.clear();
    int selected = -1;
    for (const QString& item : items) {
        list.addItem(item);
        if (item == current)
            selected = list.count() - 1;
    }
    list.setCurrentIndex(selected);
}

void CMidiSetupDialog::FillDeviceIdList(QComboBox& list, int lowest, int highest, int current) {
    std::vector<QString> items;
    for (int id = lowest; id <= highest; ++id)
        items.push_back(QString::number(id + 1));
    FillList(list, items, QString::number(current + 1));
}

int CMidiSetupDialog::ReadDeviceId(const QComboBox& list) {
    bool ok = false;
    const int shown = list.currentText().toInt(&ok);
    if (!ok)
        return -1;
    return (shown - 1) & 0xFF;
}

void CMidiSetupDialog::FillGroups(bool inputs) {
    const std::vector<SMidiSetupGroup>& groups = inputs ? descriptor_.inputGroups : descriptor_.outputGroups;
    const std::size_t ports = inputs ? GetMidiInputs().size() : GetMidiOutputs().size();
    for (std::size_t i = 0; i < groups.size(); ++i) {
        QComboBox* devices = ComboBox(groups[i].deviceListId);
        QComboBox* ids = ComboBox(groups[i].deviceIdListId);
        if (i >= ports) {
            if (devices)
                devices->setEnabled(false);
            if (ids)
                ids->setEnabled(false);
            continue;
        }
        std::vector<std::string> choices;
        std::string shown;
        int deviceId = 0;
        if (inputs) {
            const COruMidiIn& port = GetMidiInputs()[i];
            choices = setup_.DeviceChoices(port);
            shown = setup_.DisplayName(port);
            deviceId = port.deviceId;
        } else {
            const COruMidiOut& port = GetMidiOutputs()[i];
            choices = setup_.DeviceChoices(port);
            shown = setup_.DisplayName(port);
            deviceId = port.deviceId;
        }
        if (devices)
            FillList(*devices, ToQStrings(choices), ToQString(shown));
        if (ids)
            FillDeviceIdList(*ids, groups[i].lowestDeviceId, groups[i].highestDeviceId, deviceId);
    }
}

void CMidiSetupDialog::OnInitDialog() {
    // A device that fails to open shows as unconnected; nothing to report.
    setup_.OpenAll();
    if (descriptor_.captionControlId == kCaptionGroup)
        captionGroup_.setTitle(descriptor_.caption);
    FillGroups(true);
    FillGroups(false);
    if (descriptor_.hiddenControlId >= 0) {
        if (QComboBox* hidden = ComboBox(descriptor_.hiddenControlId))
            hidden->setVisible(false);
    }
    initialized_ = true;
}

int CMidiSetupDialog::DoModal() {
    OnInitDialog();
    return exec();
}

void CMidiSetupDialog::BindGroups(bool inputs) {
    const std::vector<SMidiSetupGroup>& groups = inputs ? descriptor_.inputGroups : descriptor_.outputGroups;
    const std::size_t ports = inputs ? GetMidiInputs().size() : GetMidiOutputs().size();
    for (std::size_t i = 0; i < groups.size() && i < ports; ++i) {
        QComboBox* devices = ComboBox(groups[i].deviceListId);
        QComboBox* ids = ComboBox(groups[i].deviceIdListId);
        std::string name = devices ? devices->currentText().toStdString() : std::string();
        if (name.empty())
            name = kNoDeviceName;
        const int deviceId = ids ? ReadDeviceId(*ids) : -1;
        COruMidi* port = nullptr;
        if (inputs) {
            COruMidiIn& input = GetMidiInputs()[i];
            setup_.BindInput(input, name);
            port = &input;
        } else {
            COruMidiOut& output = GetMidiOutputs()[i];
            setup_.BindOutput(output, name);
            port = &output;
        }
        // A list that shows no number leaves the id as it was: an id made up
        // from nothing would put an invalid byte into every message.
        if (deviceId >= 0)
            port->deviceId = static_cast<std::uint8_t>(deviceId);
    }
}

void CMidiSetupDialog::OnOK() {
    if (!initialized_)
        return;
    QDialog::accept();
    setup_.ReleaseAll();
    BindGroups(true);
    BindGroups(false);
    setup_.OpenAll();
    setup_.Save(profile_);
}

void CMidiSetupDialog::accept() { OnOK(); }
