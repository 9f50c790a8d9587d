#pragma once
// The program's file dialog: a file dialog that can remember, in the profile,
// the folder it showed last, the file chosen and the filter shown last.
#include "app/docman/FileDialogRunner.h"
#include "app/docman/FilterList.h"

#include <QString>

#include <string>

namespace GT {
class IProfile;
}

class CFileDialogA {
public:
    enum Result : int { kCancel = 0, kOk = 1 };

    // flags 0 gives the default flags of the kind of dialog (open: the file
    // must exist; save: the folder must exist, ask before overwriting). An
    // empty title gives "Open" or "Save As". A leading "." of defaultExt is
    // dropped. The initial file name is cut to 259 characters.
    CFileDialogA(bool open, const QString& defaultExt, const QString& initialFileName, int flags,
                 const CFilterList& filters, const QString& title, QWidget* parent, GT::IProfile& profile,
                 IFileDialogRunner& runner);

    void SetInitialFolder(const QString& folder) { request_.folder = folder; }
    void SetFileName(const QString& fileName);
    // Remembers where the folder shown last is written when the dialog ends.
    void SetFolderProfile(const QString& section, const QString& entry);
    // Remembers where the chosen file's name is written when the dialog ends
    // with OK.
    void SetFileNameProfile(const QString& section, const QString& entry);
    // Remembers section and entry and shows the filter stored there (def when
    // missing). Stored indexes count from 1 as the dialog's filters do; 0
    // or an index past the last filter shows the first.
    void SetFilterIndexProfile(const QString& section, const QString& entry, int def);

    // Runs the dialog, then writes the remembered profile values, whatever
    // the result. kOk or kCancel.
    int DoModal();

    // The chosen path after DoModal (also after Cancel: the name shown last).
    const QString& GetPathName() const { return path_; }
    const CFileDialogRequest& Request() const { return request_; }

private:
    struct ProfilePair {
        QString section;
        QString entry;
        bool IsSet() const { return !section.isEmpty() && !entry.isEmpty(); }
        std::string Path() const;
    };

    GT::IProfile& profile_;     // not owned
    IFileDialogRunner& runner_; // not owned
    CFileDialogRequest request_;
    QString path_;
    ProfilePair folderProfile_;
    ProfilePair fileNameProfile_;
    ProfilePair filterIndexProfile_;
};
