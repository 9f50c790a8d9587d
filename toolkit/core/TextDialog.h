#pragma once
// Message boxes behind an interface, so that the engine and the data layer can
// ask the user without knowing about windows, and tests can answer.
#include <memory>
#include <string>

namespace UL {

enum TextDialogButtons { kButtonsOk = 0, kButtonsOkCancel = 1, kButtonsYesNo = 2, kButtonsYesNoCancel = 3 };
enum TextDialogIcon { kIconQuestion = 0, kIconExclamation = 1, kIconStop = 2 };
enum TextDialogResult { kResultOk = 0, kResultOther = 1, kResultYes = 2, kResultNo = 3, kResultAction = 4 };

class ITextDialog {
public:
    virtual ~ITextDialog() = default;
    // buttons: 1 OK/Cancel, 2 Yes/No, 3 Yes/No/Cancel, anything else OK.
    // icon: 0 question, 2 stop, anything else exclamation.
    // Result: 0 OK, 2 Yes, 3 No, 1 otherwise (Cancel, closed).
    virtual int Show(const std::string& text, int buttons, int icon) = 0;
    // The same with the text formatted by printf rules first.
    __attribute__((format(printf, 4, 5))) virtual int ShowFormat(int buttons, int icon, const char* format, ...) = 0;
    // A message with OK and one more button, action (its label, with an
    // "&" before its mnemonic), that leads to where the user can put the
    // failure right. Result: kResultAction when that button was pressed,
    // else as Show with OK.
    virtual int ShowWithAction(const std::string& text, int icon, const std::string& action) = 0;
};

// The part every text dialog shares: the formatted variant shows the
// formatted text through Show, so a dialog only says how a text is shown.
class ATextDialog : public ITextDialog {
public:
    __attribute__((format(printf, 4, 5))) int ShowFormat(int buttons, int icon, const char* format, ...) override;
    // A dialog that cannot offer a second button shows the text with OK.
    int ShowWithAction(const std::string& text, int icon, const std::string& action) override;
};

// The process-wide text dialog. Until a window system installs its own, it is
// a console dialog that prints the text to standard error and answers OK.
// Process-wide for the same reason as the message table: every layer reports
// a failure where it finds it, and only the program knows how it is shown.
ITextDialog& GetTextDialog();

// Installs a replacement (windows, tests) and hands back the previous one.
std::unique_ptr<ITextDialog> SetTextDialog(std::unique_ptr<ITextDialog> dialog);

} // namespace UL
