#pragma once
// Message boxes for the windowed program: UL::ITextDialog over QMessageBox.
#include "toolkit/core/TextDialog.h"

#include <QMessageBox>

namespace UL {

// buttons 1 OK/Cancel, 2 Yes/No, 3 Yes/No/Cancel, anything else OK.
QMessageBox::StandardButtons TextDialogButtons(int buttons);
// icon 0 question, 2 stop, anything else exclamation.
QMessageBox::Icon TextDialogIcon(int icon);
// 0 for OK, 2 for Yes, 3 for No, 1 for anything else.
int TextDialogResult(QMessageBox::StandardButton clicked);

class CTextDialog : public ATextDialog {
public:
    // Shows a modal message box over the active window, captioned with the
    // program's name.
    int Show(const std::string& text, int buttons, int icon) override;
    // OK stays the default; the action is the button beside it.
    int ShowWithAction(const std::string& text, int icon, const std::string& action) override;
};

// Makes CTextDialog the process-wide text dialog.
void InstallTextDialog();

} // namespace UL
