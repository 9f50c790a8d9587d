#include "app/docs/FileDoc.h"

#include "data/LibrarianFile.h"
#include "toolkit/profile/Profile.h"

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
    if (!ReadLibrarianFile(ToPath(path), data_))
        return false;
    SetModifiedFlag(false);
    RememberFolder(path);
    return true;
}

bool CFileDoc::OnSaveDocument(const QString& path) {
    if (!WriteLibrarianFile(ToPath(path), data_))
        return false;
    SetModifiedFlag(false);
    RememberFolder(path);
    return true;
}

void CFileDoc::RememberFolder(const QString& path) { RememberDocumentFolder(profile_, path); }
