#pragma once
// "Set Up Font": the user picks the font of the patch lists (face, style and
// size of a screen font) and every open window shows its rows in it at once.
// The choice is kept in the program's list font, which the settings write
// to the profile at exit.
#include "app/core/FontEx.h"

#include <QFont>

class IWindowDirectory;
class QWidget;

// The font dialog behind an interface, so that tests can answer it.
class IFontChooser {
public:
    virtual ~IFontChooser() = default;
    // Asks for a font, starting from font. True, and the chosen font in
    // font, after OK.
    virtual bool ChooseFont(QFont& font, QWidget* parent) = 0;
};

// QFontDialog without its effects group: underline and strike-out are not
// offered, and the list font keeps what it had.
class CQtFontChooser : public IFontChooser {
public:
    bool ChooseFont(QFont& font, QWidget* parent) override;
};

// The description of a font chosen in the dialog: face, height, weight and
// italic from font; everything the dialog does not offer (width, angles,
// underline, strike-out, character set, precisions, quality, pitch and
// family) from base.
CFontDescription FontDescriptionFromQFont(const QFont& font, const CFontDescription& base);

// Runs the chooser on the list font. After OK the font takes the chosen
// description (its colour stays) and every window is updated with the font
// hint; false, and nothing changed, after Cancel.
bool SetUpListFont(IFontChooser& chooser, CFontEx& font, IWindowDirectory& windows, QWidget* parent = nullptr);
