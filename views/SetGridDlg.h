#pragma once
// The "Set Up Grid" dialog: grid lines of the patch lists off or on.
#include <QButtonGroup>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

class CSetGridDlg : public QDialog {
    Q_OBJECT

public:
    static constexpr int kValueOff = 0;
    static constexpr int kValueOn = 1;

    explicit CSetGridDlg(QWidget* parent = nullptr);

    // The radio group shows the value: 0 off, anything else on.
    void SetValue(int value);
    // -1 until a value was set; after OK the chosen value.
    int GetValue() const { return value_; }

    // Takes the radio group's value, then closes with OK.
    void accept() override;

    QRadioButton& OffButton() { return off_; }
    QRadioButton& OnButton() { return on_; }

private:
    int value_ = -1;
    QVBoxLayout layout_;
    QGroupBox group_;
    QVBoxLayout groupLayout_;
    QRadioButton off_;
    QRadioButton on_;
    QButtonGroup radios_;
    QDialogButtonBox buttons_;
};
