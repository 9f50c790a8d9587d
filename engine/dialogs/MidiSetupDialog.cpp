#include "engine/dialogs/MidiSetupDialog.h"

#include "engine/MidiPortLists.h"
#include "engine/MidiSetup.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QMetaObject>
#include <QPushButton>
#include <QTimer>
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

// The name the setup works with, behind the text the list shows: the
// absence of a device is "(none)" in the profile, and in the user's
// language on screen.
QString ChosenName(const QComboBox& list) {
    const QVariant name = list.currentData();
    return name.isValid() ? name.toString() : list.currentText();
}

QString ShownName(const QString& name) {
    return name == QLatin1String(kNoDeviceName) ? QCoreApplication::translate("CMidiSetupDialog", "(none)") : name;
}

// The platform's name of a device as a list shows it.
std::string DeviceNameOf(const QComboBox& list) {
    std::string name = ChosenName(list).toStdString();
    const std::string suffix = kUnconnectedSuffix;
    if (name.size() >= suffix.size() && name.compare(name.size() - suffix.size(), suffix.size(), suffix) == 0)
        name.resize(name.size() - suffix.size());
    return name;
}

QString Message(int id) { return QString::fromStdString(GetMessageTable().Get(id)); }

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

CMidiSetupDialog::CMidiSetupDialog(const SMidiSetupDescriptor& descriptor, COruMidiSetup& setup, GT::IProfile& profile,
                                   QWidget* parent)
    : QDialog(parent), descriptor_(descriptor), setup_(setup), profile_(profile),
      buttons_(QDialogButtonBox::Ok | QDialogButtonBox::Cancel) {
    BuildControls();
}

CMidiSetupDialog::~CMidiSetupDialog() { StopSearch(); }

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

    findButton_.setText(tr("&Find the %1").arg(descriptor_.caption));
    findButton_.setToolTip(tr("Sends the identity request on every MIDI output, ALSA's and JACK's, listens on "
                              "every input, and fills in the ports and the device ID where the %1 answered")
                               .arg(descriptor_.caption));
    testButton_.setText(tr("&Test"));
    testButton_.setToolTip(tr("Asks the chosen input and output with the chosen device ID whether the %1 answers")
                               .arg(descriptor_.caption));
    for (QPushButton* button : {&findButton_, &testButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    status_.setWordWrap(true);
    status_.setTextInteractionFlags(Qt::TextSelectableByMouse);
    searchBar_.setTextVisible(false);
    searchBar_.setVisible(false);
    searchBar_.setMaximumHeight(8);

    auto* unitLayout = new QGridLayout(&captionGroup_);
    unitLayout->addWidget(&input0Label_, 0, 0);
    unitLayout->addWidget(&output0Label_, 0, 1);
    unitLayout->addWidget(&input0_, 1, 0);
    unitLayout->addWidget(&output0_, 1, 1);
    auto* searchButtons = new QHBoxLayout;
    searchButtons->addWidget(&findButton_);
    searchButtons->addWidget(&testButton_);
    searchButtons->addStretch();
    unitLayout->addLayout(searchButtons, 2, 0, 1, 2);
    unitLayout->addWidget(&status_, 3, 0, 1, 2);
    unitLayout->addWidget(&searchBar_, 4, 0, 1, 2);
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
    connect(&findButton_, &QPushButton::clicked, this, &CMidiSetupDialog::StartFind);
    connect(&testButton_, &QPushButton::clicked, this, &CMidiSetupDialog::StartTest);
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
        list.addItem(ShownName(item), item);
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
    const std::size_t ports = inputs ? setup_.Ports().inputs.size() : setup_.Ports().outputs.size();
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
            const COruMidiIn& port = setup_.Ports().inputs[i];
            choices = setup_.DeviceChoices(port);
            shown = setup_.DisplayName(port);
            deviceId = port.deviceId;
        } else {
            const COruMidiOut& port = setup_.Ports().outputs[i];
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
    if (findOnOpen_)
        QTimer::singleShot(0, this, &CMidiSetupDialog::StartFind);
    return exec();
}

void CMidiSetupDialog::BindGroups(bool inputs) {
    const std::vector<SMidiSetupGroup>& groups = inputs ? descriptor_.inputGroups : descriptor_.outputGroups;
    const std::size_t ports = inputs ? setup_.Ports().inputs.size() : setup_.Ports().outputs.size();
    for (std::size_t i = 0; i < groups.size() && i < ports; ++i) {
        QComboBox* devices = ComboBox(groups[i].deviceListId);
        QComboBox* ids = ComboBox(groups[i].deviceIdListId);
        std::string name = devices ? ChosenName(*devices).toStdString() : std::string();
        if (name.empty())
            name = kNoDeviceName;
        const int deviceId = ids ? ReadDeviceId(*ids) : -1;
        COruMidi* port = nullptr;
        if (inputs) {
            COruMidiIn& input = setup_.Ports().inputs[i];
            setup_.BindInput(input, name);
            port = &input;
        } else {
            COruMidiOut& output = setup_.Ports().outputs[i];
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
    StopSearch();
    QDialog::accept();
    setup_.ReleaseAll();
    BindGroups(true);
    BindGroups(false);
    setup_.OpenAll();
    setup_.Save(profile_);
}

void CMidiSetupDialog::accept() { OnOK(); }

void CMidiSetupDialog::reject() {
    StopSearch();
    QDialog::reject();
}

QString CMidiSetupDialog::StepText(const SUnitFinderStep& step) {
    if (step.kind == SUnitFinderStep::kAskingOne)
        return tr("Asking \u201C%1\u201D alone (%2 of %3)\u2026")
            .arg(QString::fromStdString(step.port))
            .arg(step.index)
            .arg(step.count);
    return tr("Asking on every MIDI output (%1) and listening on every input (%2)\u2026")
        .arg(step.count)
        .arg(step.inputs);
}

QString CMidiSetupDialog::CheckText(const SPairCheck& check, const QString& input, const QString& output,
                                    int shownDeviceId) {
    switch (check.result) {
    case SPairCheck::kAnswered:
        return tr("The ZM-47 answered in %1 ms.").arg(check.milliseconds);
    case SPairCheck::kInputUnavailable:
        return tr("The input \u201C%1\u201D could not be opened.").arg(input);
    case SPairCheck::kOutputUnavailable:
        return tr("The output \u201C%1\u201D could not be opened.").arg(output);
    case SPairCheck::kOtherDeviceId:
        return tr("The ZM-47 answers on these ports, but its device ID is %1, not %2. Choose %1 here, or set the "
                  "unit to %2.")
            .arg(check.deviceId + 1)
            .arg(shownDeviceId);
    case SPairCheck::kCancelled:
        return tr("The test was stopped.");
    case SPairCheck::kNoAnswer:
        break;
    }
    return tr("The ZM-47 did not answer on these ports. Check that it is switched on, that its MIDI OUT goes to "
              "\u201C%1\u201D and its MIDI IN to \u201C%2\u201D, or use Find the ZM-47.")
        .arg(input, output);
}

void CMidiSetupDialog::ShowStatus(const QString& text) {
    status_.setText(text);
    // A longer line (a Japanese one, a message) gets the room it needs.
    if (!isVisible() || status_.width() <= 0)
        return;
    const int needed = status_.heightForWidth(status_.width());
    if (needed > status_.height())
        resize(width(), height() + needed - status_.height());
}

void CMidiSetupDialog::SetBusy(bool busy, bool finding) {
    finding_ = busy && finding;
    findButton_.setText(busy && finding ? tr("&Stop") : tr("&Find the %1").arg(descriptor_.caption));
    testButton_.setText(busy && !finding ? tr("&Stop") : tr("&Test"));
    findButton_.setEnabled(!busy || finding);
    testButton_.setEnabled(!busy || !finding);
    OkButton().setEnabled(!busy);
    for (QComboBox* list : {&input0_, &output0_, &deviceId_, &input1_, &output1_})
        list->setEnabled(!busy);
    searchBar_.setRange(0, 0);
    searchBar_.setVisible(busy);
}

void CMidiSetupDialog::ShowStep(const SUnitFinderStep& step) {
    if (!IsBusy())
        return;
    ShowStatus(StepText(step));
    if (step.kind == SUnitFinderStep::kAskingOne) {
        searchBar_.setRange(0, step.count);
        searchBar_.setValue(step.index);
    }
}

void CMidiSetupDialog::StartFind() {
    if (IsBusy()) {
        // The search ends soon and says so.
        if (finding_ && finder_)
            finder_->Cancel();
        return;
    }
    // The finder opens every port itself, the unit's among them.
    setup_.CloseAll();
    found_.clear();
    finder_ = std::make_unique<CUnitFinder>();
    finder_->SetStepCallback([this](const SUnitFinderStep& step) {
        QMetaObject::invokeMethod(
            this, [this, step] { ShowStep(step); }, Qt::QueuedConnection);
    });
    SetBusy(true, true);
    ShowStatus(tr("Opening every MIDI port\u2026"));
    worker_ = std::thread([this, finder = finder_.get()] {
        const std::vector<SFoundUnit> found = finder->Find();
        const bool cancelled = finder->Cancelled();
        const int inputs = finder->InputsOpened();
        const int outputs = finder->OutputsOpened();
        QMetaObject::invokeMethod(
            this, [this, found, inputs, outputs, cancelled] { FindEnded(found, inputs, outputs, cancelled); },
            Qt::QueuedConnection);
    });
}

void CMidiSetupDialog::StartTest() {
    if (IsBusy()) {
        if (!finding_ && finder_)
            finder_->Cancel();
        return;
    }
    const QString input = QString::fromStdString(DeviceNameOf(input0_));
    const QString output = QString::fromStdString(DeviceNameOf(output0_));
    if (input.isEmpty() || output.isEmpty() || input == QLatin1String(kNoDeviceName) ||
        output == QLatin1String(kNoDeviceName)) {
        ShowStatus(
            tr("Choose the input and the output of the %1 first, or use Find the %1.").arg(descriptor_.caption));
        return;
    }
    int deviceId = ReadDeviceId(deviceId_);
    if (deviceId < 0)
        deviceId = setup_.Ports().outputs.empty() ? 0x10 : setup_.Ports().outputs[0].deviceId;
    const int shown = deviceId + 1;
    setup_.CloseAll();
    finder_ = std::make_unique<CUnitFinder>();
    SetBusy(true, false);
    ShowStatus(tr("Asking the %1 (device ID %2)\u2026").arg(descriptor_.caption).arg(shown));
    worker_ = std::thread([this, finder = finder_.get(), input, output, deviceId, shown] {
        const SPairCheck check =
            finder->Check(input.toStdString(), output.toStdString(), static_cast<std::uint8_t>(deviceId));
        QMetaObject::invokeMethod(
            this, [this, check, input, output, shown] { TestEnded(check, input, output, shown); },
            Qt::QueuedConnection);
    });
}

void CMidiSetupDialog::JoinWorker() {
    if (!worker_.joinable())
        return;
    worker_.join();
    finder_.reset();
    // What the search let go of is the engine's again.
    setup_.OpenAll();
}

void CMidiSetupDialog::StopSearch() {
    if (!IsBusy())
        return;
    const bool finding = finding_;
    if (finder_)
        finder_->Cancel();
    JoinWorker();
    SetBusy(false, false);
    ShowStatus(finding ? tr("The search was stopped.") : tr("The test was stopped."));
}

void CMidiSetupDialog::Choose(QComboBox& list, const QString& text) {
    int index = list.findData(text);
    if (index < 0) {
        list.addItem(ShownName(text), text);
        index = list.count() - 1;
    }
    list.setCurrentIndex(index);
}

void CMidiSetupDialog::FindEnded(const std::vector<SFoundUnit>& found, int inputs, int outputs, bool cancelled) {
    // Stopped already (StopSearch said so).
    if (!IsBusy())
        return;
    JoinWorker();
    SetBusy(false, true);
    found_ = found;
    if (cancelled) {
        ShowStatus(tr("The search was stopped."));
    } else if (found.empty()) {
        ShowStatus(Message(inputs == 0 || outputs == 0 ? kMsgNoMidiPorts : kMsgNoUnitFound));
    } else {
        const SFoundUnit& unit = found.front();
        const QString input = QString::fromStdString(unit.input);
        const QString output = QString::fromStdString(unit.output);
        Choose(input0_, input);
        Choose(output0_, output);
        Choose(deviceId_, QString::number(unit.deviceId + 1));
        QString text = tr("The %1 answered with device ID %2: its input is \u201C%3\u201D, its output "
                          "\u201C%4\u201D. Press OK to use them.")
                           .arg(descriptor_.caption)
                           .arg(unit.deviceId + 1)
                           .arg(input, output);
        if (found.size() > 1)
            text += QLatin1Char(' ') +
                    tr("%1 units answered; the lists show the first.").arg(static_cast<int>(found.size()));
        ShowStatus(text);
    }
    Q_EMIT searchEnded();
}

void CMidiSetupDialog::TestEnded(const SPairCheck& check, const QString& input, const QString& output,
                                 int shownDeviceId) {
    if (!IsBusy())
        return;
    JoinWorker();
    SetBusy(false, false);
    ShowStatus(CheckText(check, input, output, shownDeviceId));
    Q_EMIT searchEnded();
}
