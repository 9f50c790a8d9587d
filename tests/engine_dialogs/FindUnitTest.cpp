// Set Up MIDI Devices finding the unit and testing the chosen pair against
// in-process virtual devices, with the dialog's event loop running all the
// while; and the welcome question of a first start.
#include "engine/dialogs/MidiSetupDialog.h"
#include "engine/dialogs/WelcomeDialog.h"
#include "tests/engine/answering_unit.h"
#include "tests/engine/setup_support.h"
#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"

#include <gmock/gmock.h>

#include <QElapsedTimer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTimer>

namespace test {
namespace {

class FindUnitDialogTest : public EngineTest {
protected:
    void SetUp() override {
        WindowsApp();
        EngineTest::SetUp();
    }
    // Runs the event loop until the search or test has ended.
    bool WaitForEnd(CMidiSetupDialog& dialog, int ms = 8000) {
        QSignalSpy ended(&dialog, &CMidiSetupDialog::searchEnded);
        return !dialog.IsBusy() || ended.wait(ms);
    }
    TempProfile profile;
};

TEST_F(FindUnitDialogTest, FindFillsInThePairAndDeviceIdWhileTheDialogStaysResponsive) {
    // The unit's ports are held by the engine (opened by the dialog); its
    // ports carry names that say nothing, beside a silent pair.
    AnsweringUnit unit("Dialog Find Cable A", "Dialog Find Cable B", 0x15);
    mm::VirtualDevicePair silent("Dialog Find Silent");
    engine.setup.BindInput(Input(0), "Dialog Find Cable A");
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
    dialog.OnInitDialog();
    ASSERT_TRUE(unit.in.IsOpen());

    int ticks = 0;
    QTimer ticker;
    QObject::connect(&ticker, &QTimer::timeout, [&] { ++ticks; });
    ticker.start(20);
    dialog.StartFind();
    EXPECT_TRUE(dialog.IsBusy());
    EXPECT_FALSE(dialog.OkButton().isEnabled());
    EXPECT_EQ(dialog.FindButton().text(), "&Stop");
    EXPECT_FALSE(dialog.TestButton().isEnabled());
    EXPECT_TRUE(dialog.SearchBar().isVisibleTo(&dialog));
    ASSERT_TRUE(WaitForEnd(dialog));
    // The event loop ran throughout: the search takes a few hundred ms.
    EXPECT_GE(ticks, 5);

    EXPECT_FALSE(dialog.IsBusy());
    EXPECT_TRUE(dialog.OkButton().isEnabled());
    EXPECT_EQ(dialog.ComboBox(CMidiSetupDialog::kInput0)->currentText(), "Dialog Find Cable A");
    EXPECT_EQ(dialog.ComboBox(CMidiSetupDialog::kOutput0)->currentText(), "Dialog Find Cable B");
    EXPECT_EQ(dialog.ComboBox(CMidiSetupDialog::kDeviceIdList)->currentText(), "22");
    EXPECT_THAT(dialog.StatusLine().text().toStdString(), ::testing::HasSubstr("device ID 22"));
    // What the search let go of is open again.
    EXPECT_TRUE(engine.setup.AllOpen());

    dialog.accept();
    EXPECT_EQ(profile->GetString("MIDIConnection/MIDIInDevice0", ""), "Dialog Find Cable A");
    EXPECT_EQ(profile->GetString("MIDIConnection/MIDIOutDevice0", ""), "Dialog Find Cable B");
    EXPECT_EQ(Output(0).deviceId, 0x15);
}

TEST_F(FindUnitDialogTest, StopAndCancelEndTheSearchSoonAndChangeNothing) {
    AnsweringUnit off("Dialog Stop In", "Dialog Stop Out", 0x10);
    off.silent = true;
    {
        CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
        dialog.OnInitDialog();
        const QString before = dialog.ComboBox(CMidiSetupDialog::kInput0)->currentText();
        dialog.StartFind();
        QTimer::singleShot(50, &dialog, [&] { dialog.FindButton().click(); });
        QElapsedTimer timer;
        timer.start();
        ASSERT_TRUE(WaitForEnd(dialog, 3000));
        EXPECT_LT(timer.elapsed(), 700);
        EXPECT_EQ(dialog.StatusLine().text(), "The search was stopped.");
        EXPECT_EQ(dialog.ComboBox(CMidiSetupDialog::kInput0)->currentText(), before);
        EXPECT_TRUE(dialog.Found().empty());
    }
    // Cancel of the dialog in the middle of a search.
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
    dialog.OnInitDialog();
    dialog.StartFind();
    QElapsedTimer timer;
    timer.start();
    dialog.reject();
    EXPECT_LT(timer.elapsed(), 700);
    EXPECT_FALSE(dialog.IsBusy());
    EXPECT_EQ(dialog.result(), QDialog::Rejected);
    EXPECT_EQ(profile->GetString("MIDIConnection/MIDIInDevice0", "-"), "-");
}

TEST_F(FindUnitDialogTest, NothingAnsweringSaysSo) {
    AnsweringUnit off("Dialog Nobody In", "Dialog Nobody Out", 0x10);
    off.silent = true;
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
    dialog.OnInitDialog();
    dialog.StartFind();
    ASSERT_TRUE(WaitForEnd(dialog));
    EXPECT_THAT(dialog.StatusLine().text().toStdString(), ::testing::HasSubstr("No ZM-47 answered on any MIDI port"));
}

TEST_F(FindUnitDialogTest, TestTimesTheAnswerOrSaysWhyNot) {
    AnsweringUnit unit("Dialog Test In", "Dialog Test Out", 0x14);
    CMidiSetupDialog dialog(UnitMidiSetupDescriptor(), engine.setup, *profile);
    dialog.OnInitDialog();
    dialog.TestButton().click();
    EXPECT_EQ(dialog.StatusLine().text(),
              "Choose the input and the output of the ZM-47 first, or use Find the ZM-47.");
    EXPECT_FALSE(dialog.IsBusy());

    dialog.ComboBox(CMidiSetupDialog::kInput0)->setCurrentText("Dialog Test In");
    dialog.ComboBox(CMidiSetupDialog::kOutput0)->setCurrentText("Dialog Test Out");
    dialog.ComboBox(CMidiSetupDialog::kDeviceIdList)->setCurrentText("21");
    dialog.TestButton().click();
    EXPECT_EQ(dialog.TestButton().text(), "&Stop");
    ASSERT_TRUE(WaitForEnd(dialog));
    EXPECT_TRUE(QRegularExpression("^The ZM-47 answered in \\d+ ms\\.$").match(dialog.StatusLine().text()).hasMatch())
        << dialog.StatusLine().text().toStdString();

    dialog.ComboBox(CMidiSetupDialog::kDeviceIdList)->setCurrentText("17");
    dialog.TestButton().click();
    ASSERT_TRUE(WaitForEnd(dialog));
    EXPECT_EQ(
        dialog.StatusLine().text(),
        "The ZM-47 answers on these ports, but its device ID is 21, not 17. Choose 21 here, or set the unit to 17.");

    unit.silent = true;
    dialog.ComboBox(CMidiSetupDialog::kDeviceIdList)->setCurrentText("21");
    dialog.TestButton().click();
    ASSERT_TRUE(WaitForEnd(dialog, 5000));
    EXPECT_THAT(dialog.StatusLine().text().toStdString(), ::testing::HasSubstr("did not answer on these ports"));
    // Nothing was bound by testing.
    EXPECT_EQ(engine.setup.DeviceName(Input(0)), "(none)");
}

class WelcomeDialogTest : public EngineTest {
protected:
    void SetUp() override {
        WindowsApp();
        EngineTest::SetUp();
    }
    TempProfile profile;
};

TEST_F(WelcomeDialogTest, AskedOnlyWithoutAnyDeviceChoiceAndNotAgainOnceWorkingWithoutTheUnit) {
    EXPECT_TRUE(CWelcomeDialog::ShouldShow(engine.setup, *profile));
    {
        CWelcomeDialog dialog("ZM-47", *profile);
        QTimer::singleShot(0, &dialog, [&] { dialog.FindButton().click(); });
        EXPECT_EQ(dialog.Ask(), CWelcomeDialog::kFindUnit);
    }
    // Finding did not set anything up: asked again.
    EXPECT_TRUE(CWelcomeDialog::ShouldShow(engine.setup, *profile));
    EXPECT_FALSE(CWelcomeDialog::WorksWithoutUnit(*profile));
    {
        CWelcomeDialog dialog("ZM-47", *profile);
        QTimer::singleShot(0, &dialog, [&] { dialog.reject(); });
        EXPECT_EQ(dialog.Ask(), -1);
    }
    EXPECT_EQ(profile->GetInt(CWelcomeDialog::kChoiceValue, -1), CWelcomeDialog::kFindUnit);
    {
        CWelcomeDialog dialog("ZM-47", *profile);
        QTimer::singleShot(0, &dialog, [&] { dialog.WithoutButton().click(); });
        EXPECT_EQ(dialog.Ask(), CWelcomeDialog::kWorkWithoutUnit);
    }
    EXPECT_FALSE(CWelcomeDialog::ShouldShow(engine.setup, *profile));
    EXPECT_TRUE(CWelcomeDialog::WorksWithoutUnit(*profile));

    // A device choice stored in the setup dialog, even "(none)", or devices
    // set up, never ask.
    TempProfile chosen;
    chosen->WriteString("MIDIConnection/MIDIInDevice0", "(none)");
    EXPECT_FALSE(CWelcomeDialog::ShouldShow(engine.setup, *chosen));
    TempProfile fresh;
    mm::VirtualDevicePair pair("Welcome Pair");
    engine.setup.BindInput(Input(0), "Welcome Pair");
    engine.setup.BindOutput(Output(0), "Welcome Pair");
    EXPECT_FALSE(CWelcomeDialog::ShouldShow(engine.setup, *fresh));
}

} // namespace
} // namespace test
