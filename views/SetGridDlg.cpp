#include "views/SetGridDlg.h"

CSetGridDlg::CSetGridDlg(QWidget* parent)
    : QDialog(parent), layout_(this), off_(tr("Grid &OFF")), on_(tr("Grid O&N")),
      buttons_(QDialogButtonBox::Ok | QDialogButtonBox::Cancel) {
    setWindowTitle(tr("Set Up Grid"));
    radios_.addButton(&off_, kValueOff);
    radios_.addButton(&on_, kValueOn);
    groupLayout_.addWidget(&off_);
    groupLayout_.addWidget(&on_);
    group_.setLayout(&groupLayout_);
    layout_.addWidget(&group_);
    layout_.addWidget(&buttons_);
    connect(&buttons_, &QDialogButtonBox::accepted, this, &CSetGridDlg::accept);
    connect(&buttons_, &QDialogButtonBox::rejected, this, &CSetGridDlg::reject);
}

void CSetGridDlg::SetValue(int value) {
    value_ = value;
    (value != 0 ? on_ : off_).setChecked(true);
}

void CSetGridDlg::accept() {
    value_ = on_.isChecked() ? kValueOn : kValueOff;
    QDialog::accept();
}
