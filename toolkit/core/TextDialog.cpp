#include "toolkit/core/TextDialog.h"

#include <cstdio>

namespace UL {
namespace {

// Until windows exist, messages go to standard error and every question is
// answered OK.
class CConsoleTextDialog : public ITextDialog {
public:
    int Show(const std::string& text, int, int) override {
        std::fprintf(stderr, "%s\n", text.c_str());
        return kResultOk;
    }
};

std::unique_ptr<ITextDialog>& Slot() {
    static std::unique_ptr<ITextDialog> dialog = std::make_unique<CConsoleTextDialog>();
    return dialog;
}

} // namespace

ITextDialog& GetTextDialog() { return *Slot(); }

std::unique_ptr<ITextDialog> SetTextDialog(std::unique_ptr<ITextDialog> dialog) {
    if (!dialog)
        dialog = std::make_unique<CConsoleTextDialog>();
    Slot().swap(dialog);
    return dialog;
}

} // namespace UL
