#include "app/docman/FileDialogA.h"

#include "toolkit/profile/Profile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// The longest name the dialog's file-name buffer holds, without its end mark.
constexpr qsizetype kMaxFileName = 259;

int DefaultFlags(bool open) {
    return open ? kFileDialogHideReadOnly | kFileDialogFileMustExist | kFileDialogPathMustExist
                : kFileDialogHideReadOnly | kFileDialogPathMustExist | kFileDialogOverwritePrompt;
}

} // namespace

std::string CFileDialogA::ProfilePair::Path() const { return (section + u'/' + entry).toStdString(); }

CFileDialogA::CFileDialogA(bool open, const QString& defaultExt, const QString& initialFileName, int flags,
                           const CFilterList& filters, const QString& title, QWidget* parent, GT::IProfile& profile,
                           IFileDialogRunner& runner)
    : profile_(profile), runner_(runner) {
    request_.open = open;
    request_.defaultSuffix = defaultExt.startsWith(u'.') ? defaultExt.mid(1) : defaultExt;
    SetFileName(initialFileName);
    request_.flags = flags ? flags : DefaultFlags(open);
    request_.nameFilters = filters.GetNameFilters();
    request_.title = !title.isEmpty() ? title
                     : open           ? QCoreApplication::translate("CFileDialogA", "Open")
                                      : QCoreApplication::translate("CFileDialogA", "Save As");
    request_.parent = parent;
}

void CFileDialogA::SetFileName(const QString& fileName) { request_.fileName = fileName.left(kMaxFileName); }

void CFileDialogA::SetFolderProfile(const QString& section, const QString& entry) {
    folderProfile_ = {section, entry};
}

void CFileDialogA::SetFileNameProfile(const QString& section, const QString& entry) {
    fileNameProfile_ = {section, entry};
}

void CFileDialogA::SetFilterIndexProfile(const QString& section, const QString& entry, int def) {
    filterIndexProfile_ = {section, entry};
    const int stored = profile_.GetInt(filterIndexProfile_.Path(), def);
    const bool inRange = stored >= 1 && stored <= request_.nameFilters.size();
    request_.filterIndex = inRange ? stored - 1 : 0;
}

int CFileDialogA::DoModal() {
    const CFileDialogAnswer answer = runner_.Run(request_);
    path_ = answer.path;
    if (folderProfile_.IsSet())
        profile_.WriteString(folderProfile_.Path(), QDir::toNativeSeparators(answer.folder).toStdString());
    if (answer.accepted && fileNameProfile_.IsSet())
        profile_.WriteString(fileNameProfile_.Path(), QFileInfo(answer.path).fileName().toStdString());
    if (filterIndexProfile_.IsSet())
        profile_.WriteInt(filterIndexProfile_.Path(), answer.filterIndex + 1);
    return answer.accepted ? kOk : kCancel;
}
