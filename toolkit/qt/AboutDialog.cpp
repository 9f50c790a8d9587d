#include "toolkit/qt/AboutDialog.h"

#include "toolkit/profile/VersionInfo.h"
#include "toolkit/qt/ResizeDlgRect.h"

#include <QApplication>
#include <QGuiApplication>
#include <QStyle>

namespace UL {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

} // namespace

QString AboutVersionText(std::string_view fileVersion, std::string_view productVersion, bool withProductNumbers) {
    QString text = CAboutDialog::tr("Version %1").arg(FromUtf8(fileVersion));
    int numbers[4];
    if (withProductNumbers && GP::ParseInts(productVersion, numbers, 4))
        text += QStringLiteral(" (%1%2%3%4)").arg(numbers[0]).arg(numbers[1]).arg(numbers[2]).arg(numbers[3]);
    return text;
}

CAboutDialog::CAboutDialog(const QIcon& icon, QWidget* parent)
    : QDialog(parent), icon_(icon), buttons_(QDialogButtonBox::Ok) {
    const int iconSize = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    const QIcon shown = icon_.isNull() ? QApplication::windowIcon() : icon_;
    iconLabel_.setPixmap(shown.pixmap(iconSize, iconSize));
    layout_.addWidget(&iconLabel_, 0, 0, 4, 1, Qt::AlignTop);
    layout_.addWidget(&description_, 0, 1);
    layout_.addWidget(&version_, 1, 1);
    layout_.addWidget(&legal_, 2, 1);
    layout_.addWidget(&licence_, 3, 1);
    layout_.addWidget(&buttons_, 4, 0, 1, 2);
    setLayout(&layout_);
    connect(&buttons_, &QDialogButtonBox::accepted, this, &QDialog::accept);
    Fill(false);
}

void CAboutDialog::showEvent(QShowEvent* event) {
    Fill(QGuiApplication::queryKeyboardModifiers().testFlag(Qt::ControlModifier));
    QDialog::showEvent(event);
}

void CAboutDialog::Fill(bool withProductNumbers) {
    const QString description = QString::fromStdString(GetVersionString("FileDescription"));
    setWindowTitle(tr("About %1").arg(description));
    description_.setText(description);
    version_.setText(
        AboutVersionText(GetVersionString("FileVersion"), GetVersionString("ProductVersion"), withProductNumbers));
    legal_.setText(QString::fromStdString(GetVersionString("LegalCopyright")));
    licence_.setText(tr("Distributed under the %1 License.").arg(QString::fromStdString(GetVersionString("License"))));
}

} // namespace UL
