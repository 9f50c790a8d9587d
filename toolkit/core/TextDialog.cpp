#include "toolkit/core/TextDialog.h"

#include <cstdarg>
#include <cstdio>

namespace UL {
namespace {

// Until windows exist, messages go to standard error and every question is
// answered OK.
class CConsoleTextDialog : public ATextDialog {
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

int ATextDialog::ShowFormat(int buttons, int icon, const char* format, ...) {
    std::string text;
    if (format != nullptr) {
        va_list args;
        va_start(args, format);
        va_list measure;
        va_copy(measure, args);
        const int length = std::vsnprintf(nullptr, 0, format, measure);
        va_end(measure);
        if (length > 0) {
            text.resize(static_cast<std::size_t>(length));
            std::vsnprintf(text.data(), text.size() + 1, format, args);
        }
        va_end(args);
    }
    return Show(text, buttons, icon);
}

int ATextDialog::ShowWithAction(const std::string& text, int icon, const std::string& /*action*/) {
    return Show(text, kButtonsOk, icon);
}

ITextDialog& GetTextDialog() { return *Slot(); }

std::unique_ptr<ITextDialog> SetTextDialog(std::unique_ptr<ITextDialog> dialog) {
    if (!dialog)
        dialog = std::make_unique<CConsoleTextDialog>();
    Slot().swap(dialog);
    return dialog;
}

} // namespace UL
