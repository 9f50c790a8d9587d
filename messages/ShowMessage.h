#pragma once
// The one way a failure is shown to the user: the text of a message id in the
// current language, in a message box with the exclamation icon and OK.
#include <string>
#include <string_view>

void ShowMessage(int id);
// The text of a message id whose "%s" stands for one argument (a file name,
// a list of patches), with the argument in its place.
std::string MessageWith(int id, std::string_view argument);
// Shows MessageWith (id, argument) as ShowMessage shows a text.
void ShowMessageWith(int id, std::string_view argument);
