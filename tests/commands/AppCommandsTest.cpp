// The application's commands: the list font reaching every window, and the
// manual of the current language.
#include "tests/commands/CommandsTestSupport.h"

#include "app/commands/AppCommands.h"
#include "app/commands/FontCommand.h"
#include "app/core/FontEx.h"
#include "app/docs/UpdateHints.h"
#include "engine/dialogs/MidiWarningDlg.h"
#include "messages/MessageTable.h"
#include "platform/shell/DesktopOpener.h"

#include <QDir>
#include <QFile>

namespace commandstest {
namespace {

class FakeFontChooser : public IFontChooser {
public:
    bool ChooseFont(QFont& font, QWidget*) override {
        offered = font;
        if (!answer)
            return false;
        font = *answer;
        return true;
    }
    std::optional<QFont> answer;
    QFont offered;
};

class FakeOpener : public IDesktopOpener {
public:
    bool OpenLocalFile(const QString& path) override {
        opened.push_back(path);
        return true;
    }
    std::vector<QString> opened;
};

TEST_F(CommandsTest, SetUpFontTakesFaceStyleAndSizeKeepsTheRestAndUpdatesEveryWindow) {
    CFontEx& font = State().GetListFont();
    font.loaded = true;
    font.systemDefault = false;
    font.description = CFontDescription{};
    font.description.faceName = "Old Face";
    font.description.height = -12;
    font.description.weight = 400;
    font.description.charSet = 0;
    font.color = 0x0000FF; // red
    TestWindow& file = OpenFile(2);

    FakeFontChooser chooser;
    CAppCommands commands(windows, State());
    commands.SetFontChooser(&chooser);

    // Cancel changes nothing.
    EXPECT_FALSE(commands.OnSetUpFont());
    EXPECT_EQ(chooser.offered.family(), "Old Face");
    EXPECT_EQ(chooser.offered.pixelSize(), 12);
    EXPECT_TRUE(main->hints.empty());

    QFont chosen("New Face");
    chosen.setPixelSize(17);
    chosen.setWeight(QFont::Bold);
    chosen.setItalic(true);
    chosen.setUnderline(true); // not offered by the dialog: ignored
    chooser.answer = chosen;
    ASSERT_TRUE(commands.HandlesCommand(kCmdSetUpFont));
    commands.OnCommand(kCmdSetUpFont);

    EXPECT_EQ(font.description.faceName, "New Face");
    EXPECT_EQ(font.description.height, -17);
    EXPECT_EQ(font.description.weight, 700);
    EXPECT_EQ(font.description.italic, 1);
    EXPECT_EQ(font.description.underline, 0);
    EXPECT_EQ(font.description.charSet, 0) << "what the dialog does not offer stays";
    EXPECT_EQ(font.color, 0x0000FFu);
    EXPECT_EQ(main->hints, std::vector<int>{kHintFont});
    EXPECT_EQ(file.hints, std::vector<int>{kHintFont});
}

TEST_F(CommandsTest, ManualOpensTheFileOfTheLanguageOrShowsMessage10) {
    QTemporaryDir program;
    FakeOpener opener;
    CAppCommands commands(windows, State());
    commands.SetProgramDirectory(program.path());
    commands.SetDesktopOpener(&opener);

    // Missing with its folder: the message says where it was looked for,
    // and its button opens the nearest folder that is there.
    dialog.setPressAction(true);
    EXPECT_FALSE(commands.OnManual());
    dialog.setPressAction(false);
    EXPECT_EQ(Shown(), std::vector<std::string>{"Manual (pdf file) could not be loaded. (unconfirmed error message)"});
    EXPECT_EQ(dialog.shown()[0].text, "Manual (pdf file) could not be loaded. (unconfirmed error message)\n\n"
                                      "The manual is looked for here:\n" +
                                          program.filePath("Manual/ZM-47LibrarianManualE.pdf").toStdString());
    EXPECT_EQ(dialog.shown()[0].action, "Open &Folder");
    EXPECT_EQ(opener.opened, std::vector<QString>{QDir::cleanPath(program.path())});
    opener.opened.clear();

    ASSERT_TRUE(QDir(program.path()).mkpath("Manual"));
    QFile manual(program.filePath("Manual/ZM-47LibrarianManualE.pdf"));
    ASSERT_TRUE(manual.open(QIODevice::WriteOnly));
    manual.close();
    ASSERT_TRUE(commands.HandlesCommand(kCmdManual));
    commands.OnCommand(kCmdManual);
    ASSERT_EQ(opener.opened.size(), 1u);
    EXPECT_EQ(opener.opened[0], QDir::cleanPath(manual.fileName()));

    // In Japanese the Japanese manual is wanted, and it is missing.
    GetMessageTable().SetLanguage(CMessageTable::kJapanese);
    const bool opened = commands.OnManual();
    GetMessageTable().SetLanguage(CMessageTable::kEnglish);
    EXPECT_FALSE(opened);
    ASSERT_EQ(dialog.shown().size(), 2u);
    EXPECT_EQ(dialog.shown()[1].text,
              "マニュアル (pdf file) が、開けませんでした。(暫定 error message)\n\n"
              "マニュアルは次の場所から開きます。\n" +
                  QDir::cleanPath(program.filePath("Manual/ZM-47LibrarianManualJ.pdf")).toStdString());
    EXPECT_EQ(opener.opened.size(), 1u) << "the button was not pressed";
}

TEST_F(CommandsTest, AskAgainBringsBackEveryQuestionTurnedOffAndIsGreyedWithoutOne) {
    CAppCommands commands(windows, State());
    commands.SetProfile(&main->profile);
    ASSERT_TRUE(commands.HandlesCommand(kCmdAskAgain));
    EXPECT_FALSE(commands.IsCommandEnabled(kCmdAskAgain)) << "no question is turned off";
    for (const char* kind : {"Option/ReadUser", "Option/WriteUser", "Option/WriteTemporary", "Option/ImportSMF"})
        ASSERT_TRUE(main->profile.WriteInt(kind, 1));
    EXPECT_TRUE(commands.IsCommandEnabled(kCmdAskAgain));

    commands.OnCommand(kCmdAskAgain);
    EXPECT_FALSE(commands.IsCommandEnabled(kCmdAskAgain));
    for (int kind = 0; kind < 6; ++kind)
        EXPECT_TRUE(CMidiWarningDlg(main->profile).ShouldShow(kind)) << kind;
    EXPECT_EQ(main->profile.GetInt("Option/WriteUser", -1), 0);
}

} // namespace
} // namespace commandstest
