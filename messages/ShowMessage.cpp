#include "messages/ShowMessage.h"

#include "messages/ErrorOut.h"
#include "messages/MessageIds.h"
#include "messages/MessageTable.h"
#include "toolkit/core/TextDialog.h"

#include <array>
#include <utility>

namespace {

// The file the messages shown now are about (CMessageFile); empty: none.
std::string& MessageFile() {
    static std::string file;
    return file;
}

// What the transfer under way is, for its failures (CTransferMessage).
std::string& TransferDetails() {
    static std::string details;
    return details;
}

struct SAction {
    std::string label;
    std::function<void()> run;
};

std::array<SAction, kActionCount>& Actions() {
    static std::array<SAction, kActionCount> actions;
    return actions;
}

std::string WithFile(std::string text) {
    const std::string& file = MessageFile();
    if (!file.empty() && text.find(file) == std::string::npos)
        text += "\n" + file;
    return text;
}

void Show(std::string text) { GetErrorOut().Write(WithFile(std::move(text))); }

bool IsTransferFailure(int id) { return id == kMsgUnableToReadWrite || id == kMsgMidiNotSetUp; }

} // namespace

void SetMessageAction(int action, std::string label, std::function<void()> run) {
    if (action < 0 || action >= kActionCount)
        return;
    Actions()[static_cast<std::size_t>(action)] = SAction{std::move(label), std::move(run)};
}

void ShowMessageWithAction(int action, std::string text) {
    text = WithFile(std::move(text));
    if (action < 0 || action >= kActionCount || !Actions()[static_cast<std::size_t>(action)].run) {
        GetErrorOut().Write(text);
        return;
    }
    // A copy: the handler may be replaced while the box is open.
    const SAction chosen = Actions()[static_cast<std::size_t>(action)];
    if (UL::GetTextDialog().ShowWithAction(text, UL::kIconExclamation, chosen.label) == UL::kResultAction)
        chosen.run();
}

void ShowTransferFailure(int id, const std::string& more) {
    std::string text = GetMessageTable().Get(id);
    if (!TransferDetails().empty())
        text += "\n\n" + TransferDetails();
    if (!more.empty())
        text += "\n\n" + more;
    ShowMessageWithAction(kActionMidiSetup, std::move(text));
}

CTransferMessage::CTransferMessage(std::string details)
    : previous_(std::exchange(TransferDetails(), std::move(details))) {}

CTransferMessage::~CTransferMessage() { TransferDetails() = std::move(previous_); }

CMessageFile::CMessageFile(std::string path) : previous_(std::exchange(MessageFile(), std::move(path))) {}

CMessageFile::~CMessageFile() { MessageFile() = std::move(previous_); }

void ShowMessage(int id) {
    if (IsTransferFailure(id))
        ShowTransferFailure(id);
    else
        Show(GetMessageTable().Get(id));
}

std::string MessageWith(int id, std::string_view argument) { return MessageWith(id, {argument}); }

std::string MessageWith(int id, std::initializer_list<std::string_view> arguments) {
    std::string text = GetMessageTable().Get(id);
    std::size_t from = 0;
    for (std::string_view argument : arguments) {
        const std::size_t at = text.find("%s", from);
        if (at == std::string::npos)
            break;
        text.replace(at, 2, argument);
        from = at + argument.size();
    }
    return text;
}

void ShowMessageWith(int id, std::string_view argument) { Show(MessageWith(id, argument)); }

void ShowMessageWith(int id, std::initializer_list<std::string_view> arguments) { Show(MessageWith(id, arguments)); }
