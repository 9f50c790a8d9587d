#pragma once
// A librarian file window's document: the file's patches with their undo,
// read and written in the librarian file format. A successful open or save
// remembers the file's folder as "Document"/"InitialDirectory", where the
// file dialog starts next time.
#include "app/docs/Doc.h"
#include "data/FileDocument.h"

class IHistoryRecorder;

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

    // Where a successful open or save is recorded (not owned; none: not
    // recorded). The template that makes the window's document sets it.
    void SetHistoryRecorder(IHistoryRecorder* recorder) { recorder_ = recorder; }

    CFileDocument& GetDocumentData() { return data_; }
    const CFileDocument& GetDocumentData() const { return data_; }

    bool OnNewDocument() override;
    // On failure the document is unchanged, nothing is stored, and the
    // reader has shown why.
    bool OnOpenDocument(const QString& path) override;
    bool OnSaveDocument(const QString& path) override;

private:
    void RememberFolder(const QString& path);

    GT::IProfile& profile_;                // not owned
    IHistoryRecorder* recorder_ = nullptr; // not owned
    CFileDocument data_;
};
