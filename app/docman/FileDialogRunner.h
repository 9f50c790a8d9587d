#pragma once
// The platform's file dialog behind an interface: CFileDialogA describes what
// to ask, the runner asks it. Tests install a runner that answers in place of
// the user.
#include <QString>
#include <QStringList>

#include <memory>

class QWidget;

// Flags of a file dialog.
enum FileDialogFlags : int {
    kFileDialogHideReadOnly = 0x1,
    kFileDialogPathMustExist = 0x2,
    kFileDialogFileMustExist = 0x4,
    kFileDialogOverwritePrompt = 0x8,
};

struct CFileDialogRequest {
    bool open = true; // open or save
    QString title;
    QString folder;          // shown first; empty: the dialog's own choice
    QString fileName;        // proposed name (save) or empty
    QString defaultSuffix;   // without the leading "."
    QStringList nameFilters; // "ZM-47 Librarian Files (*.z4l)", ...
    int filterIndex = 0;     // 0-based index into nameFilters
    int flags = 0;
    QWidget* parent = nullptr; // not owned
};

struct CFileDialogAnswer {
    bool accepted = false;
    QString path;        // the chosen file (also on cancel: the name shown last)
    QString folder;      // the folder shown last
    int filterIndex = 0; // 0-based, the filter shown last
};

class IFileDialogRunner {
public:
    virtual ~IFileDialogRunner() = default;
    virtual CFileDialogAnswer Run(const CFileDialogRequest& request) = 0;
};

// QFileDialog, modal. While it is open its caption follows the folder:
// title + " - " + folder + "/".
class CQtFileDialogRunner : public IFileDialogRunner {
public:
    CFileDialogAnswer Run(const CFileDialogRequest& request) override;
};

// The process-wide runner, a CQtFileDialogRunner until another is installed.
// Process-wide because the window program shows its file dialogs one way
// from many places; whatever can take a runner as a parameter does (the
// document manager, the commands' context), and the program's own tests
// install one that answers.
IFileDialogRunner& GetFileDialogRunner();
// Installs a replacement (tests) and hands back the previous one.
std::unique_ptr<IFileDialogRunner> SetFileDialogRunner(std::unique_ptr<IFileDialogRunner> runner);
