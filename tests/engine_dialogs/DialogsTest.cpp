// The MIDI setup dialog against virtual devices and the confirmation before
// transfers with its stored "don't show again" answers.
#include "engine/dialogs/MidiSetupDialog.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageTable.h"
#include "platform/mm/virtual/VirtualDevices.h"
#include "tests/engine/setup_support.h"
#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"

#include <QStringList>

namespace test {
namespace {

QStringList Items(const QComboBox& list) {
    QStringList items;
    for (int i = 0; i < list.count(); ++i)
        items << list.itemText(i);
    return items;
}

class SetupDialogTest : public EngineTest {
protected:
    void SetUp() override {
        WindowsApp();
        EngineTest::SetUp();
    }
    TempProfile profile;
};

TEST_F(SetupDialogTest, ListsOfferTheDevicesNoneAndAMissingCurrentDeviceAsUnconnected) {
    mm::VirtualDevicePair pair("Dialog Pair");
    engine.setup.BindOutput(Output(0), "Dialog Gone");
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
    dialog.OnInitDialog();

    const QComboBox& input0 = *dialog.ComboBox(CMidiSetupDialog::kInput0);
    const QComboBox& output0 = *dialog.ComboBox(CMidiSetupDialog::kOutput0);
    EXPECT_TRUE(Items(input0).contains("Dialog Pair"));
    EXPECT_TRUE(Items(input0).contains("(none)"));
    EXPECT_EQ(input0.currentText(), "(none)");
    EXPECT_EQ(Items(output0).back(), "Dialog Gone (Unconnected)");
    EXPECT_EQ(output0.currentText(), "Dialog Gone (Unconnected)");
    EXPECT_EQ(dialog.CaptionGroup().title(), "ZM-47");
    EXPECT_TRUE(dialog.ComboBox(CMidiSetupDialog::kDeviceIdList)->isVisibleTo(&dialog));
}

TEST_F(SetupDialogTest, TheUnitsDeviceIdShowsOneHigherAndOkStoresItForTheUnitOnly) {
    mm::VirtualDevicePair pair("Dialog Ids");
    Output(0).deviceId = 0x12;
    Input(1).deviceId = 0x13;
    Output(1).deviceId = 0x14;
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
    dialog.OnInitDialog();
    QComboBox& ids = *dialog.ComboBox(CMidiSetupDialog::kDeviceIdList);
    ASSERT_EQ(ids.count(), 16);
    EXPECT_EQ(ids.itemText(0), "17");
    EXPECT_EQ(ids.itemText(15), "32");
    // The unit's output is filled last; the "Through" pair has no say.
    EXPECT_EQ(ids.currentText(), "19");

    ids.setCurrentIndex(15);
    dialog.ComboBox(CMidiSetupDialog::kInput0)->setCurrentText("Dialog Ids");
    dialog.ComboBox(CMidiSetupDialog::kInput1)->setCurrentText("Dialog Ids");
    dialog.ComboBox(CMidiSetupDialog::kOutput0)->setCurrentText("Dialog Ids");
    dialog.accept();

    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(Input(0).deviceId, 0x1F);
    EXPECT_EQ(Output(0).deviceId, 0x1F);
    EXPECT_EQ(Input(1).deviceId, 0x13);
    EXPECT_EQ(Output(1).deviceId, 0x14);
    EXPECT_EQ(profile->GetString("MIDIConnection/MIDIInTessanMessageDeviceId0", ""), "31");
    EXPECT_EQ(profile->GetString("MIDIConnection/MIDIOutTessanMessageDeviceId0", ""), "31");
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "Dialog Ids");
    // Both logical inputs share the one device.
    EXPECT_EQ(engine.setup.DeviceOf(Input(1)), engine.setup.DeviceOf(Input(0)));
    EXPECT_EQ(engine.setup.DeviceName(Output(1)), "(none)");
    EXPECT_EQ(profile->GetString("MIDIConnection/MIDIInDevice0", ""), "Dialog Ids");
}

TEST_F(SetupDialogTest, AnIdOutsideTheListIsKeptAndCancelChangesNothing) {
    for (std::size_t i = 0; i < 2; ++i) {
        Input(i).deviceId = 0x7F;
        Output(i).deviceId = 0x7F;
    }
    {
        CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
        dialog.OnInitDialog();
        EXPECT_EQ(dialog.ComboBox(CMidiSetupDialog::kDeviceIdList)->currentIndex(), -1);
        dialog.accept();
    }
    EXPECT_EQ(Input(0).deviceId, 0x7F);
    EXPECT_EQ(Output(1).deviceId, 0x7F);

    TempProfile untouched;
    engine.setup.BindInput(Input(0), "Dialog Kept");
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *untouched);
    dialog.OnInitDialog();
    dialog.ComboBox(CMidiSetupDialog::kInput0)->setCurrentText("(none)");
    dialog.reject();
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "Dialog Kept");
    EXPECT_EQ(untouched->GetString("MIDIConnection/MIDIInDevice0", "-"), "-");
}

TEST(SetupDialogLists, TheLastEqualItemIsSelectedAndNoneWithoutOne) {
    WindowsApp();
    QComboBox list;
    CMidiSetupDialog::FillList(list, {"a", "b", "a"}, "a");
    EXPECT_EQ(list.currentIndex(), 2);
    CMidiSetupDialog::FillList(list, {"a", "b"}, "c");
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_EQ(CMidiSetupDialog::ReadDeviceId(list), -1);
    CMidiSetupDialog::FillDeviceIdList(list, 16, 31, 16);
    EXPECT_EQ(CMidiSetupDialog::ReadDeviceId(list), 0x10);
}

class WarningDialogTest : public ::testing::Test {
protected:
    void SetUp() override { WindowsApp(); }
    TempProfile profile;
};

TEST_F(WarningDialogTest, ShowsTheKindsQuestionAndStoresTheBoxOnOkOnly) {
    CMidiWarningDlg dialog(*profile);
    EXPECT_TRUE(dialog.ShouldShow(kWarnReadUser));
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Text().text().toStdString(), GetMessageTable().Get(17));
    EXPECT_EQ(dialog.CheckBox().text(), "Don't show this dialog again.");

    dialog.CheckBox().setChecked(true);
    dialog.reject();
    EXPECT_EQ(profile->GetString("Option/ReadUser", "-"), "-");

    dialog.CheckBox().setChecked(true);
    dialog.accept();
    EXPECT_EQ(profile->GetInt("Option/ReadUser", -1), 1);
    EXPECT_FALSE(CMidiWarningDlg(*profile).ShouldShow(kWarnReadUser));

    CMidiWarningDlg again(*profile);
    again.ShouldShow(kWarnReadUser);
    again.OnInitDialog();
    again.CheckBox().setChecked(false);
    again.accept();
    EXPECT_EQ(profile->GetInt("Option/ReadUser", -1), 0);
}

TEST_F(WarningDialogTest, EachKindAsksItsOwnQuestionAndIsSuppressedOnItsOwn) {
    // The question the user reads and the settings entry that keeps the
    // answer, kind by kind.
    const std::pair<int, const char*> kinds[] = {{17, "ReadUser"},       {20, "WriteUser"}, {16, "ReadTemporary"},
                                                 {19, "WriteTemporary"}, {15, "ImportSMF"}, {67, "ImportSysEx"}};
    for (int kind = 0; kind < 6; ++kind) {
        CMidiWarningDlg dialog(*profile);
        ASSERT_TRUE(dialog.ShouldShow(kind));
        dialog.OnInitDialog();
        EXPECT_EQ(dialog.Text().text().toStdString(), GetMessageTable().Get(kinds[kind].first)) << kind;
        dialog.CheckBox().setChecked(true);
        dialog.accept();
        EXPECT_EQ(profile->GetInt(std::string("Option/") + kinds[kind].second, -1), 1) << kind;
        // This kind and those before it go ahead now; the others still ask.
        for (int other = 0; other < 6; ++other)
            EXPECT_EQ(CMidiWarningDlg(*profile).ShouldShow(other), other > kind) << kind << " " << other;
    }
}

// Answers the dialog as a user would and counts how often it was shown.
class AnsweringConfirmation : public CMidiWarningConfirmation {
public:
    AnsweringConfirmation(GT::IProfile& profile, bool ok, bool tick)
        : CMidiWarningConfirmation(profile), ok_(ok), tick_(tick) {}
    int shown = 0;

protected:
    int RunDialog(CMidiWarningDlg& dialog) override {
        ++shown;
        dialog.OnInitDialog();
        dialog.CheckBox().setChecked(tick_);
        if (ok_)
            dialog.accept();
        else
            dialog.reject();
        return dialog.result();
    }

private:
    bool ok_;
    bool tick_;
};

TEST_F(WarningDialogTest, ASuppressedKindGoesAheadWithoutAskingOthersStillAsk) {
    AnsweringConfirmation cancel(*profile, false, true);
    EXPECT_FALSE(cancel.Confirm(kWarnWriteUser, ""));
    EXPECT_EQ(cancel.shown, 1);

    AnsweringConfirmation okTicked(*profile, true, true);
    EXPECT_TRUE(okTicked.Confirm(kWarnWriteUser, ""));
    EXPECT_TRUE(okTicked.Confirm(kWarnWriteUser, ""));
    EXPECT_EQ(okTicked.shown, 1);

    AnsweringConfirmation other(*profile, false, false);
    EXPECT_FALSE(other.Confirm(kWarnWriteTemporary, ""));
    EXPECT_EQ(other.shown, 1);
}

TEST_F(WarningDialogTest, TheQuestionOfTheTransferStandsAboveTheKindsText) {
    AnsweringConfirmation asked(*profile, true, false);
    CMidiWarningDlg dialog(*profile);
    ASSERT_TRUE(dialog.ShouldShow(kWarnWriteUser));
    dialog.SetQuestion("Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?");
    dialog.OnInitDialog();
    EXPECT_EQ(dialog.Question().text(), "Write 3 patches (MEMORY 2, 5, 9) to the ZM-47?");
    EXPECT_FALSE(dialog.Question().isHidden());
    EXPECT_TRUE(dialog.Question().font().bold());
    EXPECT_EQ(dialog.Text().text().toStdString(), GetMessageTable().Get(20)) << "the kind's own text stays";

    // Without a question the kind's text stands alone.
    CMidiWarningDlg plain(*profile);
    plain.ShouldShow(kWarnImportSmf);
    plain.OnInitDialog();
    EXPECT_TRUE(plain.Question().isHidden());
}

TEST_F(WarningDialogTest, AskAgainTurnsEveryQuestionTurnedOffBackOn) {
    EXPECT_EQ(CMidiWarningDlg::CountTurnedOff(*profile), 0);
    EXPECT_EQ(CMidiWarningDlg::AskAgain(*profile), 0);
    AnsweringConfirmation ticked(*profile, true, true);
    for (int kind : {kWarnReadUser, kWarnWriteTemporary, kWarnImportSysEx})
        ASSERT_TRUE(ticked.Confirm(kind, ""));
    EXPECT_EQ(CMidiWarningDlg::CountTurnedOff(*profile), 3);

    EXPECT_EQ(CMidiWarningDlg::AskAgain(*profile), 3);
    EXPECT_EQ(CMidiWarningDlg::CountTurnedOff(*profile), 0);
    for (int kind = 0; kind < 6; ++kind)
        EXPECT_TRUE(CMidiWarningDlg(*profile).ShouldShow(kind)) << kind;
    AnsweringConfirmation cancel(*profile, false, false);
    EXPECT_FALSE(cancel.Confirm(kWarnReadUser, "")) << "the question is asked again, and answered";
    EXPECT_EQ(cancel.shown, 1);
}

} // namespace
} // namespace test
