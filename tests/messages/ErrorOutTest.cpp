#include "messages/BufferedErrorOut.h"
#include "messages/ErrorOut.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "messages/ShowMessage.h"
#include "tests/support/CapturingTextDialog.h"

#include <gtest/gtest.h>

namespace {

// Puts the process-wide table back to English whatever a test did.
class LanguageGuard {
public:
    ~LanguageGuard() { GetMessageTable().SetLanguage(CMessageTable::kEnglish); }
};

TEST(ErrorOut, ShowsEachTextAtOnceWithOkAndExclamation) {
    test::CapturingTextDialog dialog;
    GetErrorOut().Write("first\nsecond");
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "first\nsecond");
    EXPECT_EQ(dialog.shown()[0].buttons, UL::kButtonsOk);
    EXPECT_EQ(dialog.shown()[0].icon, UL::kIconExclamation);
}

TEST(ShowMessage, ShowsTheTextOfTheCurrentLanguage) {
    LanguageGuard guard;
    test::CapturingTextDialog dialog;
    ShowMessage(kMsgFileNotLoaded);
    ASSERT_TRUE(GetMessageTable().SetLanguage(CMessageTable::kJapanese));
    ShowMessage(kMsgUnableToReadWrite);
    ASSERT_EQ(dialog.shown().size(), 2u);
    EXPECT_EQ(dialog.shown()[0].text, "The file could not be loaded.");
    EXPECT_EQ(dialog.shown()[1].text, GetMessageTable().Get(kMsgUnableToReadWrite));
    // The Japanese text of id 2 begins with "データ".
    EXPECT_EQ(dialog.shown()[1].text.rfind("\xE3\x83\x87\xE3\x83\xBC\xE3\x82\xBF", 0), 0u);
    EXPECT_EQ(dialog.shown()[1].icon, UL::kIconExclamation);
}

TEST(BufferedErrorOut, LastTextWinsInModeOneAndFirstInModeZero) {
    test::CapturingTextDialog dialog;
    COruBufferedErrorOut out;
    EXPECT_EQ(out.GetMode(), COruBufferedErrorOut::kLastWins);
    out.Write("A");
    out.Write("B");
    EXPECT_TRUE(dialog.shown().empty()); // nothing shown before the flush
    out.Flush();
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_EQ(dialog.shown()[0].text, "B");

    out.SetMode(COruBufferedErrorOut::kFirstWins);
    out.Write("A");
    out.Write("B");
    out.Flush();
    ASSERT_EQ(dialog.shown().size(), 2u);
    EXPECT_EQ(dialog.shown()[1].text, "A");
    EXPECT_EQ(dialog.shown()[1].icon, UL::kIconExclamation);
}

TEST(BufferedErrorOut, OtherModesDropAndEmptyFlushShowsNothing) {
    test::CapturingTextDialog dialog;
    COruBufferedErrorOut out;
    out.Flush();
    out.SetMode(2);
    out.Write("dropped");
    out.Flush();
    out.SetMode(-1);
    out.Write("dropped too");
    out.Flush();
    EXPECT_TRUE(dialog.shown().empty());
}

// A text dialog that, while its box is up, makes the buffered output receive
// another failure, as the modal loop of a real message box may.
class ReentrantDialog : public UL::ATextDialog {
public:
    int Show(const std::string& text, int, int) override {
        shown.push_back(text);
        if (shown.size() == 1)
            GetBufferedErrorOut().Write("during");
        return UL::kResultOk;
    }
    std::vector<std::string> shown;
};

TEST(BufferedErrorOut, TextBufferedWhileTheBoxIsUpWaitsForTheNextFlush) {
    auto owned = std::make_unique<ReentrantDialog>();
    ReentrantDialog* dialog = owned.get();
    auto previous = UL::SetTextDialog(std::move(owned));
    GetBufferedErrorOut().Write("before");
    GetBufferedErrorOut().Flush();
    GetBufferedErrorOut().Flush();
    EXPECT_EQ(dialog->shown, (std::vector<std::string>{"before", "during"}));
    UL::SetTextDialog(std::move(previous));
}

TEST(ShowMessage, ArgumentsFillTheirPlacesInOrderAndAFileBeingOpenedIsNamed) {
    test::CapturingTextDialog dialog;
    EXPECT_EQ(MessageWith(kMsgOutputIsInput, {"out %s.z4l", "in.z4l"}),
              "out %s.z4l\nis the same file as the one read from,\nin.z4l\nNothing was written.");
    EXPECT_EQ(MessageWith(kMsgBackupNotSaved, "b.z4l"),
              "Nothing was written: the backup of the patches about to be overwritten could not be saved as\nb.z4l");
    {
        const CMessageFile outer("/home/user/outer.z4l");
        {
            const CMessageFile inner("/home/user/damaged.z4l");
            ShowMessage(kMsgFileNotLoaded);
            // A text that names the file already does not name it twice.
            ShowMessageWith(kMsgInputNotAFile, "/home/user/damaged.z4l");
        }
        ShowMessage(kMsgCannotReadFileType);
    }
    ShowMessage(kMsgFileNotLoaded);
    ASSERT_EQ(dialog.shown().size(), 4u);
    EXPECT_EQ(dialog.shown()[0].text, "The file could not be loaded.\n/home/user/damaged.z4l");
    EXPECT_EQ(dialog.shown()[1].text, MessageWith(kMsgInputNotAFile, "/home/user/damaged.z4l"));
    EXPECT_EQ(dialog.shown()[2].text, "Cannot read files of this type.\n/home/user/outer.z4l");
    EXPECT_EQ(dialog.shown()[3].text, "The file could not be loaded.");
}

// A failure that leads somewhere: the transfer's details below the text,
// the innermost transfer named, the button's handler run only when pressed.
TEST(ShowMessage, ATransferFailureNamesTheInnermostTransferAndOffersTheSetup) {
    test::CapturingTextDialog dialog;
    int opened = 0;
    SetMessageAction(kActionMidiSetup, "Set Up &MIDI Devices...", [&opened] { ++opened; });
    {
        const CTransferMessage outer("Writing MEMORY 4");
        {
            const CTransferMessage inner("Reading MEMORY 4");
            ShowMessage(kMsgUnableToReadWrite);
        }
        dialog.setPressAction(true);
        ShowTransferFailure(kMsgMidiNotSetUp, "more");
    }
    ShowMessage(kMsgUnableToReadWrite);
    ShowMessage(kMsgFileNotLoaded);
    SetMessageAction(kActionMidiSetup, {}, {});
    ShowMessage(kMsgUnableToReadWrite);

    ASSERT_EQ(dialog.shown().size(), 5u);
    EXPECT_EQ(dialog.shown()[0].text, GetMessageTable().Get(kMsgUnableToReadWrite) + "\n\nReading MEMORY 4");
    EXPECT_EQ(dialog.shown()[0].action, "Set Up &MIDI Devices...");
    EXPECT_EQ(dialog.shown()[1].text, GetMessageTable().Get(kMsgMidiNotSetUp) + "\n\nWriting MEMORY 4\n\nmore");
    EXPECT_EQ(dialog.shown()[2].text, GetMessageTable().Get(kMsgUnableToReadWrite)) << "no transfer under way";
    EXPECT_EQ(dialog.shown()[2].action, "Set Up &MIDI Devices...");
    EXPECT_EQ(dialog.shown()[3].action, "") << "other failures offer nothing";
    EXPECT_EQ(dialog.shown()[4].action, "") << "without a handler no button";
    EXPECT_EQ(opened, 2) << "pressed on the second and third box";
}

} // namespace
