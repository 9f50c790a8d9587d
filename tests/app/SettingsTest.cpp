#include "app/core/LibrarianState.h"
#include "engine/MidiEngine.h"
#include "app/core/Settings.h"
#include "toolkit/profile/IniProfile.h"

#include "tests/support/TemporaryProfileFolder.h"

#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>

#include <memory>
#include <string>

namespace {

[[maybe_unused]] testing::Environment* const kProfileFolder =
    testing::AddGlobalTestEnvironment(new test::TemporaryProfileFolder);

class SettingsTest : public testing::Test {
protected:
    std::string Path() const { return (folder_.path() + "/profile.ini").toStdString(); }
    QTemporaryDir folder_;
    CMidiEngine engine;
};

TEST_F(SettingsTest, FirstRunUsesTheSystemFontInBlackNoGridAndMemory) {
    GT::CIniProfile profile(Path());
    CLibrarianState state(engine.setup);
    state.SetArea(4);
    state.SetGridSwitch(1);
    CFontEx font;
    SetPositionMode(0);
    LoadSettings(profile, state, font);
    EXPECT_EQ(GetPositionMode(), 2);
    EXPECT_TRUE(font.loaded);
    EXPECT_TRUE(font.systemDefault);
    EXPECT_EQ(font.color, 0u);
    EXPECT_EQ(state.GetGridSwitch(), 0);
    EXPECT_EQ(state.GetArea(), 1);
}

TEST_F(SettingsTest, SavedValuesComeBackOnTheNextRun) {
    {
        GT::CIniProfile profile(Path());
        CLibrarianState state(engine.setup);
        state.SetArea(5);
        state.SetGridSwitch(1);
        CFontEx font;
        font.loaded = true;
        font.description.faceName = "Sans Mono";
        font.description.height = -16;
        font.description.weight = 700;
        font.description.italic = 1;
        font.color = 0x0000FF;
        EXPECT_TRUE(SaveSettings(profile, state, font));
        EXPECT_EQ(profile.GetString("Option/FontAttribute", ""), "-16,0,0,0,700,1,0,0,128,3,2,0,49");
        EXPECT_EQ(profile.GetInt("Option/Mode", 0), 5);
    }
    GT::CIniProfile profile(Path());
    CLibrarianState state(engine.setup);
    CFontEx font;
    LoadSettings(profile, state, font);
    EXPECT_EQ(state.GetArea(), 5);
    EXPECT_EQ(state.GetGridSwitch(), 1);
    EXPECT_FALSE(font.systemDefault);
    EXPECT_EQ(font.description.faceName, "Sans Mono");
    EXPECT_EQ(font.description.height, -16);
    EXPECT_EQ(font.description.weight, 700);
    EXPECT_EQ(font.description.italic, 1);
    EXPECT_EQ(font.color, 0x0000FFu);
}

TEST_F(SettingsTest, MissingAttributeNumbersTakeTheirDefaults) {
    GT::CIniProfile profile(Path());
    profile.WriteString("Option/FontFaceName", "Serif");
    profile.WriteString("Option/FontAttribute", "-12,0,0,0,400");
    CFontEx font;
    LoadListFont(profile, font);
    CFontDescription expected;
    expected.faceName = "Serif";
    expected.height = -12;
    expected.weight = 400;
    EXPECT_EQ(font.description, expected);
    EXPECT_EQ(font.description.charSet, 128);
    EXPECT_EQ(font.description.pitchAndFamily, 49);

    // Reading stops at the first piece that is not a number; the rest keep
    // their defaults rather than taking garbage.
    const CFontDescription cut = ParseFontAttribute(" -9, 3,x,7");
    EXPECT_EQ(cut.height, -9);
    EXPECT_EQ(cut.width, 3);
    EXPECT_EQ(cut.escapement, 0);
    EXPECT_EQ(cut.orientation, 0);
    EXPECT_EQ(ParseFontAttribute("99999999999,1").height, 0);
}

TEST_F(SettingsTest, AFaceWithoutAttributesGivesTheSystemFont) {
    GT::CIniProfile profile(Path());
    profile.WriteString("Option/FontFaceName", "Serif");
    profile.WriteInt("Option/FontColor", 255);
    CFontEx font;
    LoadListFont(profile, font);
    EXPECT_TRUE(font.systemDefault);
    EXPECT_EQ(font.color, 255u);

    // A font never loaded leaves the stored entries alone.
    CFontEx unloaded;
    EXPECT_TRUE(SaveListFont(profile, unloaded));
    EXPECT_EQ(profile.GetString("Option/FontFaceName", ""), "Serif");
}

TEST_F(SettingsTest, StoredAreaOutsideTheUnitFallsBackToMemory) {
    GT::CIniProfile profile(Path());
    CLibrarianState state(engine.setup);
    CFontEx font;
    for (int stored : {0, 8, -3}) {
        profile.WriteInt("Option/Mode", stored);
        LoadSettings(profile, state, font);
        EXPECT_EQ(state.GetArea(), 1) << stored;
    }
    profile.WriteInt("Option/Mode", 7);
    LoadSettings(profile, state, font);
    EXPECT_EQ(state.GetArea(), 7);
}

} // namespace
