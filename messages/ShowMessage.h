#pragma once
// The one way a failure is shown to the user: the text of a message id in the
// current language, in a message box with the exclamation icon and OK.
#include <initializer_list>
#include <string>
#include <string_view>

void ShowMessage(int id);
// The text of a message id whose "%s" stands for one argument (a file name,
// a list of patches), with the argument in its place.
std::string MessageWith(int id, std::string_view argument);
// Shows MessageWith (id, argument) as ShowMessage shows a text.
void ShowMessageWith(int id, std::string_view argument);
// The text of a message id whose "%s" stand for the arguments in order; a
// "%s" inside an argument stays as it is.
std::string MessageWith(int id, std::initializer_list<std::string_view> arguments);
void ShowMessageWith(int id, std::initializer_list<std::string_view> arguments);

// While one lives, every message shown names this file on a line of its own
// after its text (unless the text names it already): a failure while a file
// is opened says which file. Nested ones: the innermost names its file.
class CMessageFile {
public:
    explicit CMessageFile(std::string path);
    ~CMessageFile();
    CMessageFile(const CMessageFile&) = delete;
    CMessageFile& operator=(const CMessageFile&) = delete;

private:
    std::string previous_;
};
