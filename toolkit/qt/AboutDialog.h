#pragma once
// The about box: the program's name, version, copyright notice and licence
// from its version strings. With Ctrl held while it opens, the version line also
// shows the four numbers of the product version.
#include <QDialog>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QIcon>
#include <QLabel>

#include <string_view>

namespace UL {

// "Version <FileVersion>", with " (abcd)" from the product version
// "a,b,c,d" when withProductNumbers is set.
QString AboutVersionText(std::string_view fileVersion, std::string_view productVersion, bool withProductNumbers);

class CAboutDialog : public QDialog {
    Q_OBJECT
public:
    // A null icon shows the application's window icon.
    explicit CAboutDialog(const QIcon& icon = QIcon(), QWidget* parent = nullptr);

    const QLabel& Description() const { return description_; }
    const QLabel& Version() const { return version_; }
    const QLabel& LegalNotice() const { return legal_; }
    const QLabel& Licence() const { return licence_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Fill(bool withProductNumbers);

    QIcon icon_;
    QGridLayout layout_;
    QLabel iconLabel_;
    QLabel description_;
    QLabel version_;
    QLabel legal_;
    QLabel licence_;
    QDialogButtonBox buttons_;
};

// The program's own about box.
class CAboutDialogA : public CAboutDialog {
    Q_OBJECT
public:
    explicit CAboutDialogA(const QIcon& icon = QIcon(), QWidget* parent = nullptr) : CAboutDialog(icon, parent) {}
};

} // namespace UL
