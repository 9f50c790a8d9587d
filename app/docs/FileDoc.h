#pragma once
// A librarian file window's document: the file's patches with their undo,
// read and written in the librarian file format. A successful open or save
// remembers the file's folder as "Document"/"InitialDirectory", where the
// file dialog starts next time.
#include "app/docs/Doc.h"
#include "data/FileDocument.h"

namespace GT {
class IProfile;
}

class CFileDoc : public CDoc {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 4107;

    // profile: where the folder is remembered (not owned; the user's by
    // default).
    explicit CFileDoc(QObject* parent = nullptr);
    explicit CFileDoc(GT::IProfile& profile, QObject* parent = nullptr);

    CFileDocument& GetDocumentData() { return data_; }
    const CFileDocument& GetDocumentData() const { return data_; }

    bool OnNewDocument() override;
    // On failure the document is unchanged, nothing is stored, and the
    // reader has shown why.
    bool OnOpenDocument(const QString& path) override;
    bool OnSaveDocument(const QString& path) override;

private:
    void RememberFolder(const QString& path);

    GT::IProfile& profile_;  // not owned
    CFileDocument data_;
};
