#pragma once
// The main window's document: the image of the unit's seven areas with its
// undo. It starts with 60 + 6 x 10 new patches, each a copy of the initial
// data file's first patch when that file is loaded, else an "INIT PATCH".
#include "app/docs/Doc.h"
#include "data/ImageDocument.h"

class CImageDoc : public CDoc {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 4097;

    explicit CImageDoc(QObject* parent = nullptr);

    CImageDocument& GetDocumentData() { return data_; }
    const CImageDocument& GetDocumentData() const { return data_; }

private:
    CImageDocument data_;
};
