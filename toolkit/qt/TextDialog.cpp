#include "toolkit/qt/TextDialog.h"

#include "toolkit/profile/VersionInfo.h"

#include <QApplication>
#include <QPushButton>

namespace UL {

QMessageBox::StandardButtons TextDialogButtons(int buttons) {
    switch (buttons) {
    case kButtonsOkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case kButtonsYesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case kButtonsYesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    default:
        return QMessageBox::Ok;
    }
}

QMessageBox::Icon TextDialogIcon(int icon) {
    switch (icon) {
    case kIconQuestion:
        return QMessageBox::Question;
    case kIconStop:
        return QMessageBox::Critical;
    default:
        return QMessageBox::Warning;
    }
}

int TextDialogResult(QMessageBox::StandardButton clicked) {
    switch (clicked) {
    case QMessageBox::Ok:
        return kResultOk;
    case QMessageBox::Yes:
        return kResultYes;
    case QMessageBox::No:
        return kResultNo;
    default:
        return kResultOther;
    }
}

int CTextDialog::Show(const std::string& text, int buttons, int icon) {
    QMessageBox box(TextDialogIcon(icon), QString::fromStdString(GetVersionString("FileDescription")),
                    QString::fromStdString(text), TextDialogButtons(buttons), QApplication::activeWindow());
    const auto standard = box.standardButtons();
    box.setDefaultButton(standard.testFlag(QMessageBox::Yes) ? QMessageBox::Yes : QMessageBox::Ok);
    box.exec();
    return TextDialogResult(box.standardButton(box.clickedButton()));
}

int CTextDialog::ShowWithAction(const std::string& text, int icon, const std::string& action) {
    QMessageBox box(TextDialogIcon(icon), QString::fromStdString(GetVersionString("FileDescription")),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    QPushButton* actionButton = box.addButton(QString::fromStdString(action), QMessageBox::ActionRole);
    box.setDefaultButton(QMessageBox::Ok);
    box.exec();
    if (box.clickedButton() == actionButton)
        return kResultAction;
    return TextDialogResult(box.standardButton(box.clickedButton()));
}

void InstallTextDialog() { SetTextDialog(std::make_unique<CTextDialog>()); }

} // namespace UL
