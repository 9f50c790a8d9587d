#include "toolkit/qt/ReplaceStringDlg.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace GP {

CReplaceStringDlg::CReplaceStringDlg(const QString& search, const QString& replacement, QWidget* parent)
    : QDialog(parent), replaceButton_(tr("Replace")), closeButton_(tr("Close")) {
    setWindowTitle(tr("Replace String"));
    search_.setText(search);
    replacement_.setText(replacement);

    auto* form = new QFormLayout;
    auto* searchLabel = new QLabel(tr("Search String(&S):"));
    searchLabel->setBuddy(&search_);
    auto* replacementLabel = new QLabel(tr("&Replace String(&R):"));
    replacementLabel->setBuddy(&replacement_);
    form->addRow(searchLabel, &search_);
    form->addRow(replacementLabel, &replacement_);

    auto* buttons = new QDialogButtonBox;
    replaceButton_.setDefault(true);
    buttons->addButton(&replaceButton_, QDialogButtonBox::AcceptRole);
    buttons->addButton(&closeButton_, QDialogButtonBox::RejectRole);
    connect(&replaceButton_, &QPushButton::clicked, this, &QDialog::accept);
    connect(&closeButton_, &QPushButton::clicked, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
    search_.setFocus();
    search_.selectAll();
}

QString& CReplaceStringDlg::LastSearch() {
    static QString search;
    return search;
}

QString& CReplaceStringDlg::LastReplacement() {
    static QString replacement;
    return replacement;
}

} // namespace GP
