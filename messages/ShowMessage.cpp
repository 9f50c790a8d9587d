#include "messages/ShowMessage.h"

#include "messages/ErrorOut.h"
#include "messages/MessageTable.h"

void ShowMessage(int id) { GetErrorOut().Write(GetMessageTable().Get(id)); }

std::string MessageWith(int id, std::string_view argument) {
    std::string text = GetMessageTable().Get(id);
    const std::size_t at = text.find("%s");
    if (at != std::string::npos)
        text.replace(at, 2, argument);
    return text;
}

void ShowMessageWith(int id, std::string_view argument) { GetErrorOut().Write(MessageWith(id, argument)); }
