#include "engine/dialogs/MidiWarningDlg.h"

#include "messages/MessageIds.h"
#include "messages/MessageTable.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>
#include <string>

namespace {

struct KindEntry {
    const char* valueName;
    int messageId;
};

constexpr std::array<KindEntry, 6> kKinds{{
    {"ReadUser", kMsgConfirmRead},
    {"WriteUser", kMsgConfirmWrite},
    {"ReadTemporary", kMsgConfirmReadTemporary},
    {"WriteTemporary", kMsgConfirmWriteTemporary},
    {"ImportSMF", kMsgConfirmImportSmf},
    {"ImportSysEx", kMsgConfirmImportSysEx},
}};

const KindEntry* Entry(int kind) {
    if (kind < 0 || kind >= static_cast<int>(kKinds.size()))
        return nullptr;
    return &kKinds[static_cast<std::size_t>(kind)];
}

std::string ProfilePath(int kind) {
    const KindEntry* entry = Entry(kind);
    return entry ? std::string("Option/") + entry->valueName : std::string();
}

QString TableText(int id) { return QString::fromStdString(GetMessageTable().Get(id)); }

} // namespace

CMidiWarningDlg::CMidiWarningDlg(GT::IProfile& profile, QWidget* parent)
    : QDialog(parent), profile_(profile), buttons_(QDialogButtonBox::Ok | QDialogButtonBox::Cancel) {
    BuildControls();
}

void CMidiWarningDlg::BuildControls() {
    setWindowTitle(tr("ZM-47 Librarian"));
    questionLabel_.setWordWrap(true);
    QFont bold = questionLabel_.font();
    bold.setBold(true);
    questionLabel_.setFont(bold);
    questionLabel_.setTextFormat(Qt::PlainText);
    questionLabel_.hide();
    // Room for a question that names a few patches on one line.
    setMinimumWidth(fontMetrics().averageCharWidth() * 72);
    text_.setWordWrap(true);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(&questionLabel_);
    layout->addWidget(&text_);
    layout->addWidget(&checkBox_);
    layout->addWidget(&buttons_);
    buttons_.button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons_.button(QDialogButtonBox::Cancel)->setText(tr("Cancel"));
    buttons_.button(QDialogButtonBox::Ok)->setDefault(true);
    connect(&buttons_, &QDialogButtonBox::accepted, this, &CMidiWarningDlg::accept);
    connect(&buttons_, &QDialogButtonBox::rejected, this, &CMidiWarningDlg::reject);
}

const char* CMidiWarningDlg::ValueName(int kind) {
    const KindEntry* entry = Entry(kind);
    return entry ? entry->valueName : nullptr;
}

int CMidiWarningDlg::MessageId(int kind) {
    const KindEntry* entry = Entry(kind);
    return entry ? entry->messageId : 0;
}

int CMidiWarningDlg::CountTurnedOff(GT::IProfile& profile) {
    int count = 0;
    for (int kind = 0; kind < static_cast<int>(kKinds.size()); ++kind)
        count += profile.GetInt(ProfilePath(kind), 0) != 0 ? 1 : 0;
    return count;
}

int CMidiWarningDlg::AskAgain(GT::IProfile& profile) {
    int count = 0;
    for (int kind = 0; kind < static_cast<int>(kKinds.size()); ++kind) {
        const std::string path = ProfilePath(kind);
        if (profile.GetInt(path, 0) != 0 && profile.WriteInt(path, 0))
            ++count;
    }
    return count;
}

bool CMidiWarningDlg::ShouldShow(int kind) {
    kind_ = kind;
    const std::string path = ProfilePath(kind);
    dontShow_ = path.empty() ? 0 : profile_.GetInt(path, 0);
    return dontShow_ == 0;
}

void CMidiWarningDlg::OnInitDialog() {
    // The questions name the unit in their own words and carry no
    // placeholder, so they are shown as the table has them.
    questionLabel_.setText(QString::fromStdString(question_));
    questionLabel_.setVisible(!question_.empty());
    text_.setText(TableText(MessageId(kind_)));
    checkBox_.setText(TableText(kMsgDontShowAgain));
    checkBox_.setChecked(dontShow_ != 0);
}

int CMidiWarningDlg::DoModal() {
    OnInitDialog();
    return exec();
}

void CMidiWarningDlg::OnOK() {
    dontShow_ = checkBox_.isChecked() ? 1 : 0;
    const std::string path = ProfilePath(kind_);
    if (!path.empty())
        profile_.WriteInt(path, dontShow_);
    QDialog::accept();
}

void CMidiWarningDlg::accept() { OnOK(); }

CMidiWarningConfirmation::CMidiWarningConfirmation(QWidget* parent)
    : CMidiWarningConfirmation(GT::GetProfile(), parent) {}

CMidiWarningConfirmation::CMidiWarningConfirmation(GT::IProfile& profile, QWidget* parent)
    : profile_(profile), parent_(parent) {}

bool CMidiWarningConfirmation::Confirm(int kind, const std::string& question) {
    CMidiWarningDlg dialog(profile_, parent_);
    if (!dialog.ShouldShow(kind))
        return true;
    dialog.SetQuestion(question);
    const bool accepted = RunDialog(dialog) == QDialog::Accepted;
    // The question is answered: off the screen, and the window under it
    // painted again, before the transfer starts and waits for the unit.
    dialog.hide();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    return accepted;
}
