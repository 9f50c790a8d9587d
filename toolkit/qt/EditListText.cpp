#include "toolkit/qt/EditListText.h"

#include "toolkit/core/CodePage.h"
#include "toolkit/core/TextDialog.h"

#include <QCoreApplication>

namespace GP {

QString CellTextFromBytes(std::string_view bytes, int codePage) {
    std::string utf8;
    UL::CodePageToUtf8(bytes, codePage, utf8);
    return QString::fromStdString(utf8);
}

bool CellTextToBytes(const QString& text, int codePage, std::string& out) {
    std::string refused;
    if (UL::Utf8ToCodePage(text.toStdString(), codePage, out, &refused))
        return true;
    const QString message =
        refused.empty()
            ? QCoreApplication::translate("GP::CEditListCtrl", "This text cannot be stored.")
            : QCoreApplication::translate("GP::CEditListCtrl", "The character \"%1\" cannot be stored in this text. "
                                                               "Please remove it or use another character.")
                  .arg(QString::fromStdString(refused));
    UL::GetTextDialog().Show(message.toStdString(), UL::kButtonsOk, UL::kIconExclamation);
    return false;
}

} // namespace GP
