#include "messages/ShowMessage.h"

#include "messages/ErrorOut.h"
#include "messages/MessageTable.h"

#include <utility>

namespace {

// The file the messages shown now are about (CMessageFile); empty: none.
std::string& MessageFile() {
    static std::string file;
    return file;
}

void Show(std::string text) {
    const std::string& file = MessageFile();
    if (!file.empty() && text.find(file) == std::string::npos)
        text += "\n" + file;
    GetErrorOut().Write(text);
}

} // namespace

CMessageFile::CMessageFile(std::string path) : previous_(std::exchange(MessageFile(), std::move(path))) {}

CMessageFile::~CMessageFile() { MessageFile() = std::move(previous_); }

void ShowMessage(int id) { Show(GetMessageTable().Get(id)); }

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

void ShowMessageWith(int id, std::initializer_list<std::string_view> arguments) {
    Show(MessageWith(id, arguments));
}
