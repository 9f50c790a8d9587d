#pragma once
// The one way a failure is shown to the user: the text of a message id in the
// current language, in a message box with the exclamation icon and OK.
void ShowMessage(int id);
