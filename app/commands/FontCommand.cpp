#include "app/commands/FontCommand.h"

#include "app/commands/CommandWindow.h"
#include "app/docs/UpdateHints.h"
#include "app/ui/ListFontQt.h"

#include <QCheckBox>
#include <QFontDialog>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace {

// Pixels of a point size on the screen the lists are shown on.
int PointsToPixels(double points) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return static_cast<int>(std::lround(points * dpi / 72.0));
}

// The dialog's effects group holds its check boxes (underline, strike-out).
void HideEffects(QFontDialog& dialog) {
    for (QGroupBox* group : dialog.findChildren<QGroupBox*>())
        if (!group->findChildren<QCheckBox*>().isEmpty())
            group->hide();
}

} // namespace

bool CQtFontChooser::ChooseFont(QFont& font, QWidget* parent) {
    QFontDialog dialog(font, parent);
    dialog.setOptions(QFontDialog::DontUseNativeDialog | QFontDialog::ScalableFonts | QFontDialog::NonScalableFonts);
    HideEffects(dialog);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    font = dialog.selectedFont();
    return true;
}

CFontDescription FontDescriptionFromQFont(const QFont& font, const CFontDescription& base) {
    CFontDescription description = base;
    description.faceName = font.family().toStdString();
    // A negative height names the character height in pixels.
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : PointsToPixels(font.pointSizeF());
    description.height = -pixels;
    description.weight = font.weight();
    description.italic = font.italic() ? 1 : 0;
    return description;
}

bool SetUpListFont(IFontChooser& chooser, CFontEx& font, IWindowDirectory& windows, QWidget* parent) {
    QFont chosen = ToQFont(font);
    if (!chooser.ChooseFont(chosen, parent))
        return false;
    // The description the dialog started from; the system's default font
    // has no stored one, so the defaults fill what the dialog does not offer.
    const CFontDescription base = font.loaded && !font.systemDefault ? font.description : CFontDescription{};
    font.description = FontDescriptionFromQFont(chosen, base);
    font.loaded = true;
    font.systemDefault = false;
    windows.UpdateAllViews(kHintFont);
    return true;
}
