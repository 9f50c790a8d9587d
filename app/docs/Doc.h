#pragma once
// The program's common document class, under which both of its documents
// stand. It adds nothing to the framework document.
#include "app/docs/MDIDocument.h"

class CDoc : public CMDIDocument {
    Q_OBJECT
public:
    using CMDIDocument::CMDIDocument;
    ~CDoc() override;
};
