#include "app/docs/FileDoc.h"

#include "data/LibrarianFile.h"
#include "library/HistoryRecorder.h"
#include "messages/ShowMessage.h"
#include "toolkit/profile/Profile.h"

#include <QDir>

#include <filesystem>

namespace {

std::filesystem::path ToPath(const QString& path) { return std::filesystem::path(path.toStdU16String()); }

} // namespace

CFileDoc::CFileDoc(QObject* parent) : CFileDoc(GT::GetProfile(), parent) {}

CFileDoc::CFileDoc(GT::IProfile& profile, QObject* parent) : CDoc(kTemplateId, parent), profile_(profile) {}

bool CFileDoc::OnNewDocument() {
    data_.Patches().Clear();
    return CDoc::OnNewDocument();
}

bool CFileDoc::OnOpenDocument(const QString& path) {
    // A file that cannot be opened is named in the message: it may have come
    // from the command line or a double click, not from a dialog.
    const CMessageFile named(QDir::toNativeSeparators(path).toStdString());
    if (!ReadLibrarianFile(ToPath(path), data_))
        return false;
    if (recorder_)
        recorder_->FileSeen(ToPath(path), EFileEvent::kOpened, data_.Patches());
    SetModifiedFlag(false);
    RememberFolder(path);
    return true;
}

bool CFileDoc::OnSaveDocument(const QString& path) {
    if (!WriteLibrarianFile(ToPath(path), data_))
        return false;
    if (recorder_)
        recorder_->FileSeen(ToPath(path), EFileEvent::kSaved, data_.Patches());
    SetModifiedFlag(false);
    RememberFolder(path);
    return true;
}

void CFileDoc::RememberFolder(const QString& path) { RememberDocumentFolder(profile_, path); }
