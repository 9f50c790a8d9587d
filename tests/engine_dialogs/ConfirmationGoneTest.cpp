// A question answered is off the screen before the transfer it asked about
// starts: the window under it has been painted again by then.
#include "engine/dialogs/MidiWarningDlg.h"
#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"

#include <gtest/gtest.h>

#include <QPaintEvent>
#include <QWidget>

namespace test {
namespace {

class CountingWindow : public QWidget {
public:
    int paints = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
};

class AnsweringConfirmation : public CMidiWarningConfirmation {
public:
    AnsweringConfirmation(GT::IProfile& profile, CountingWindow& window)
        : CMidiWarningConfirmation(profile, &window), window_(window) {}
    bool stillShown = false;

protected:
    int RunDialog(CMidiWarningDlg& dialog) override {
        dialog.OnInitDialog();
        dialog.show();
        QCoreApplication::processEvents();
        // The window under the question needs painting when it goes.
        window_.update();
        dialog.accept();
        stillShown = dialog.isVisible();
        return dialog.result();
    }

private:
    CountingWindow& window_;
};

TEST(ConfirmationGone, TheWindowUnderTheQuestionIsPaintedBeforeTheTransferStarts) {
    WindowsApp();
    TempProfile profile;
    CountingWindow window;
    window.resize(300, 200);
    window.show();
    QCoreApplication::processEvents();
    AnsweringConfirmation confirmation(*profile, window);
    const int before = window.paints;
    ASSERT_TRUE(confirmation.Confirm(kWarnReadUser, "Read MEMORY 1 from the ZM-47?"));
    EXPECT_FALSE(confirmation.stillShown);
    EXPECT_GT(window.paints, before);
}

} // namespace
} // namespace test
