#pragma once
// The diagnostic window: a top-level window around a CTextOutControl that
// the program's diagnostic messages go to. It cannot be closed by the user
// (only minimized), remembers its rectangle under "TextOutWindow/Position"
// and drops text while it is minimized.
#include "toolkit/core/TextOut.h"
#include "toolkit/profile/Profile.h"
#include "toolkit/qt/TextOutControl.h"

#include <QVBoxLayout>
#include <QWidget>

namespace UL {

class CTextOutWindow : public QWidget, public GT::ATextOut {
    Q_OBJECT
public:
    explicit CTextOutWindow(GT::IProfile& profile = GT::GetProfile(), QWidget* parent = nullptr);
    // Writes "left,top,right,bottom,minimized" to the profile.
    ~CTextOutWindow() override;

    void Output(std::string_view text) override;
    CTextOutControl& Control() { return control_; }

private:
    void RestoreRect();

    GT::IProfile& profile_; // not owned
    QVBoxLayout layout_;
    CTextOutControl control_;
};

// The process-wide diagnostic window, created and shown on first use and
// destroyed with the application object.
CTextOutWindow& GetTextOutWindow();

} // namespace UL
