// Setup - Keep History and Setup - Forget History Older Than.
#include "app/commands/AppCommands.h"

#include "app/core/LibrarianState.h"
#include "app/core/HistorySettings.h"
#include "messages/MessageIds.h"
#include "messages/ShowMessage.h"
#include "toolkit/core/TextDialog.h"
#include "toolkit/profile/Profile.h"

#include <QCoreApplication>
#include <QDateEdit>
#include <QDateTime>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

void CAppCommands::OnKeepHistory() {
    GT::IProfile& profile = profile_ ? *profile_ : GT::GetProfile();
    const bool on = !LoadKeepHistory(profile);
    SaveKeepHistory(profile, on);
    if (auto* recorder = dynamic_cast<CHistoryRecorder*>(&state_.History().Recorder()))
        recorder->SetEnabled(on);
}

bool CAppCommands::OnForgetHistory() {
    CLibrary* library = state_.History().Library();
    if (!library)
        return false;
    const std::optional<QDate> date = AskForgetDate();
    if (!date || !date->isValid())
        return false;
    const QString dateText = date->toString(Qt::ISODate);
    if (UL::GetTextDialog().Show(MessageWith(kMsgForgetQuestion, dateText.toStdString()), UL::kButtonsYesNo,
                                 UL::kIconQuestion) != UL::kResultYes)
        return false;
    // The start of that day, local time.
    const std::time_t before = static_cast<std::time_t>(date->startOfDay().toSecsSinceEpoch());
    const int deleted = library->ForgetOlderThan(before);
    if (deleted < 0) {
        ShowMessage(kMsgForgetFailed);
        return false;
    }
    ShowMessageWith(kMsgForgotten, std::to_string(deleted));
    return deleted > 0;
}

std::optional<QDate> CAppCommands::AskForgetDate() {
    QDialog dialog(parent_);
    dialog.setWindowTitle(QCoreApplication::translate("HistorySetup", "Forget History"));
    auto* label = new QLabel(
        QCoreApplication::translate("HistorySetup", "Forget what the history library saw before this date:"), &dialog);
    auto* edit = new QDateEdit(QDate::currentDate().addYears(-1), &dialog);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    edit->setMaximumDate(QDate::currentDate().addDays(1));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    auto* layout = new QVBoxLayout(&dialog);
    layout->addWidget(label);
    layout->addWidget(edit);
    layout->addWidget(buttons);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    return edit->date();
}
