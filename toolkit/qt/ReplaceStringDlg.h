#pragma once
// "Replace String": a search string and its replacement, preset with the
// strings of the previous use in this run.
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>

namespace GP {

class CReplaceStringDlg : public QDialog {
    Q_OBJECT
public:
    CReplaceStringDlg(const QString& search, const QString& replacement, QWidget* parent = nullptr);

    QString GetSearch() const { return search_.text(); }
    QString GetReplacement() const { return replacement_.text(); }
    QPushButton& GetReplaceButton() { return replaceButton_; }
    QPushButton& GetCloseButton() { return closeButton_; }

    // The strings of the last Replace in this run.
    static QString& LastSearch();
    static QString& LastReplacement();

private:
    QLineEdit search_;
    QLineEdit replacement_;
    QPushButton replaceButton_;
    QPushButton closeButton_;
};

} // namespace GP
