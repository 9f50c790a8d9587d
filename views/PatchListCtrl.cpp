#include "views/PatchListCtrl.h"

#include "data/DocumentBase.h"
#include "data/Patch.h"
#include "data/UnitProvenance.h"
#include "views/PatchClipboard.h"
#include "views/ProvenanceText.h"
#include "toolkit/core/TextDialog.h"

namespace {

GP::SELVColumn Descriptor(int flags, double min, double max, int stepExponent, int decimals, int formatFlags) {
    GP::SELVColumn column;
    column.flags = flags;
    column.min = min;
    column.max = max;
    column.stepExponent = stepExponent;
    column.decimals = decimals;
    column.formatFlags = formatFlags;
    return column;
}

GP::SELVColumn NameDescriptor() {
    GP::SELVColumn column = Descriptor(0x10010 | GP::SELVColumn::kTextAscii, -1.0, -1.0, -1, -1, -1);
    column.maxLength = CPatch::kNameLength;
    return column;
}

// Number: right-aligned, an integer spin editor, not editable. The others:
// left-aligned text, editable; a name takes only what the unit can show.
const std::vector<CParameterListCtrl::ColumnEntry>& PatchColumns() {
    static const GP::SELVColumn text = Descriptor(0x10010, -1.0, -1.0, -1, -1, -1);
    static const std::vector<CParameterListCtrl::ColumnEntry> columns{
        {QT_TRANSLATE_NOOP("CParameterListCtrl", "Number"), CParameterListCtrl::kKindNumber,
         Descriptor(0x1141, 0.0, 127.0, 0, 0, 2)},
        {QT_TRANSLATE_NOOP("CParameterListCtrl", "Name"), CParameterListCtrl::kKindName, NameDescriptor()},
        {QT_TRANSLATE_NOOP("CParameterListCtrl", "Memo1"), 1, text},
        {QT_TRANSLATE_NOOP("CParameterListCtrl", "Memo2"), 2, text},
        {QT_TRANSLATE_NOOP("CParameterListCtrl", "Memo3"), 3, text},
        {QT_TRANSLATE_NOOP("CParameterListCtrl", "Memo4"), 4, text},
    };
    return columns;
}

} // namespace

CPatchListCtrl::CPatchListCtrl(int areaNumber, bool endRow, QWidget* parent)
    : CParameterListCtrl(endRow, parent), areaNumber_(areaNumber),
      ownClipboard_(std::make_unique<CConcreteParameterArray<CPatch>>()) {}

void CPatchListCtrl::SetPatchArray(CParameterArray* array) {
    if (array != array_)
        ResetSort();
    array_ = array;
}

std::unique_ptr<CParameterArray> CPatchListCtrl::CreateArray() const {
    return std::make_unique<CConcreteParameterArray<CPatch>>();
}

CParameterArray& CPatchListCtrl::GetClipboard() const {
    return clipboard_ ? clipboard_->GetPatchClipboard() : *ownClipboard_;
}

const std::vector<CParameterListCtrl::ColumnEntry>& CPatchListCtrl::GetColumns() const { return PatchColumns(); }

void CPatchListCtrl::GetProfileKeys(std::string& section, std::string& key) const {
    section = "PatchListCtrl";
    key = "ColumnWidth";
}

QString CPatchListCtrl::GetObjectText(const CParameter& object, int index, int kind) const {
    if (kind != kKindName)
        return CParameterListCtrl::GetObjectText(object, index, kind);
    const CPatch* patch = AsPatch(&object);
    if (!patch)
        return QString();
    std::string name = patch->GetName();
    for (char& c : name)
        if (c >= 0x01 && c <= 0x1F)
            c = ' ';
    return QString::fromLatin1(name);
}

bool CPatchListCtrl::IsValidObjectText(int kind, const QString& text) const {
    if (kind != kKindName)
        return CParameterListCtrl::IsValidObjectText(kind, text);
    // The unit's display has letters, digits and signs only: a character it
    // cannot show is refused rather than stored as blanks.
    for (const QChar c : text) {
        if (c.unicode() >= 0x80) {
            const QString message = tr("The character \"%1\" cannot be used in a patch name. "
                                       "A name can hold letters, digits, blanks and signs only.")
                                        .arg(c);
            UL::GetTextDialog().Show(message.toStdString(), UL::kButtonsOk, UL::kIconExclamation);
            return false;
        }
    }
    return true;
}

void CPatchListCtrl::SetObjectText(CParameter& object, int kind, const QString& text) {
    if (kind != kKindName) {
        CParameterListCtrl::SetObjectText(object, kind, text);
        return;
    }
    if (CPatch* patch = AsPatch(&object))
        patch->SetName(text.toLatin1().toStdString());
}

CParameterListCtrl::RowLook CPatchListCtrl::GetObjectRowLook(int row) const {
    const CDocumentBase* document = GetDocument();
    const CUnitProvenance* provenance = document ? document->GetProvenance() : nullptr;
    const int index = GetObjectIndex(row);
    if (!provenance || !array_ || index < 0)
        return {};
    return RowLookOf(provenance->Status(areaNumber_, index, *array_));
}
