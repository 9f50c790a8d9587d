#include "app/docs/ImageDoc.h"

#include "app/docs/UpdateHints.h"

CImageDoc::CImageDoc(QObject* parent) : CDoc(kTemplateId, parent) {
    // New patches copy the initial data file's first patch once that file is
    // loaded, so start-up loads it before this document is made.
    data_.GetImage().FillWithNewPatches();
    // Nothing is read yet: every row shows its initial patch as not the
    // unit's.
    data_.GetProvenance()->Start(data_.GetImage());
}
