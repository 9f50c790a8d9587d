#pragma once
// The one way a failure is shown to the user: the text of a message id in the
// current language, in a message box with the exclamation icon and OK.
#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

void ShowMessage(int id);
// The text of a message id whose "%s" stands for one argument (a file name,
// a list of patches), with the argument in its place.
std::string MessageWith(int id, std::string_view argument);
// Shows MessageWith (id, argument) as ShowMessage shows a text.
void ShowMessageWith(int id, std::string_view argument);
// The text of a message id whose "%s" stand for the arguments in order; a
// "%s" inside an argument stays as it is.
std::string MessageWith(int id, std::initializer_list<std::string_view> arguments);
void ShowMessageWith(int id, std::initializer_list<std::string_view> arguments);

// Where a message can lead the user, with a button of its own beside OK:
// the MIDI setup after a failed transfer, the manual's folder when the
// manual cannot be opened.
enum MessageAction : int { kActionMidiSetup = 0, kActionManualFolder = 1, kActionCount = 2 };
// The program says what an action's button reads and does (run is called
// after the message box has closed, from inside the command that failed: it
// should only schedule its work). Without a handler the message is shown
// with OK alone, as in the command-line tool. An empty run removes it.
void SetMessageAction(int action, std::string label, std::function<void()> run);
// Shows text as ShowMessage shows a text, with the action's button.
void ShowMessageWithAction(int action, std::string text);

// Messages 2 (the unit does not answer) and 13 (the devices are not set
// up) are the failures of a transfer: ShowMessage shows them, and
// ShowTransferFailure with more lines after them, with what the transfer
// was and through which ports (CTransferMessage), and offer the MIDI
// setup.
void ShowTransferFailure(int id, const std::string& more = {});

// While one lives, the failures of a transfer name what it was doing and
// with which ports and device id ("Reading MEMORY 4 from the ZM-47 failed.
// Input: ..."). Nested ones: the innermost, which knows best, is named.
class CTransferMessage {
public:
    explicit CTransferMessage(std::string details);
    ~CTransferMessage();
    CTransferMessage(const CTransferMessage&) = delete;
    CTransferMessage& operator=(const CTransferMessage&) = delete;

private:
    std::string previous_;
};

// While one lives, every message shown names this file on a line of its own
// after its text (unless the text names it already): a failure while a file
// is opened says which file. Nested ones: the innermost names its file.
class CMessageFile {
public:
    explicit CMessageFile(std::string path);
    ~CMessageFile();
    CMessageFile(const CMessageFile&) = delete;
    CMessageFile& operator=(const CMessageFile&) = delete;

private:
    std::string previous_;
};
