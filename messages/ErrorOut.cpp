#include "messages/ErrorOut.h"

#include "toolkit/core/TextDialog.h"

#include <string>

void COruErrorOut::Output(std::string_view text) {
    UL::GetTextDialog().Show(std::string(text), UL::kButtonsOk, UL::kIconExclamation);
}

COruErrorOut& GetErrorOut() {
    static COruErrorOut out;
    return out;
}
