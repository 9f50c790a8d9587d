#include "tests/support/CapturingTextDialog.h"
#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"
#include "toolkit/core/CursorChanger.h"
#include "toolkit/profile/VersionInfo.h"
#include "toolkit/qt/AboutDialog.h"
#include "toolkit/qt/CursorApplier.h"
#include "toolkit/qt/MDIChildWndEx.h"
#include "toolkit/qt/MDIFrameWndEx.h"
#include "toolkit/qt/TextDialog.h"
#include "toolkit/qt/ResizeDlg.h"
#include "toolkit/qt/ResizeDlgRect.h"
#include "toolkit/qt/WindowListDlg.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <vector>

namespace {

class WindowsDialogs : public ::testing::Test {
protected:
    void SetUp() override { test::WindowsApp(); }
    test::TempProfile profile;
};

TEST(WindowsRect, AStoredRectangleIsFittedOntoTheScreenAndNeverBelowTheMinimum) {
    const QRect screen(0, 0, 1024, 768);
    const QSize minimum(300, 200);
    // Too small in both directions: enlarged to the minimum, kept in place.
    EXPECT_EQ(GP::FitRectToScreen(QRect(100, 100, 50, 20), screen, minimum), QRect(100, 100, 300, 200));
    // Larger than the screen: shrunk to it and moved onto it.
    EXPECT_EQ(GP::FitRectToScreen(QRect(-50, -40, 2000, 1000), screen, minimum), screen);
    // Off the right and bottom edges: moved back, size kept.
    EXPECT_EQ(GP::FitRectToScreen(QRect(900, 700, 400, 300), screen, minimum), QRect(624, 468, 400, 300));
    EXPECT_EQ(GP::FitRectToScreen(QRect(-500, 10, 400, 300), screen, minimum), QRect(0, 10, 400, 300));
}

TEST(WindowsRect, ProfileTextsNeedEveryNumber) {
    EXPECT_EQ(GP::ParseEdges("1, 2,11,22"), QRect(1, 2, 10, 20));
    EXPECT_EQ(GP::FormatEdges(QRect(1, 2, 10, 20)), "1,2,11,22");
    EXPECT_EQ(GP::ParsePlacement("5,6,7,8"), QRect(5, 6, 7, 8));
    // The "default position" value and extreme edges are no rectangle.
    EXPECT_FALSE(GP::ParsePlacement("-2147483648,-2147483648,0,0"));
    EXPECT_FALSE(GP::ParseEdges("-2147483648,0,2147483647,10"));
    EXPECT_FALSE(GP::ParseEdges("10,10,5,20")); // right of left edge
    EXPECT_FALSE(GP::ParseEdges("1,2,3"));
    EXPECT_FALSE(GP::ParseEdges("1,2,3,4,5"));
    EXPECT_FALSE(GP::ParseEdges("1,2,3,z"));
    EXPECT_FALSE(GP::ParseSize(""));
}

// A resizable dialog with a layout that needs some room, remembering itself.
class RememberingDlg : public GP::CResizeDlg {
public:
    explicit RememberingDlg(GT::IProfile& profile) : CResizeDlg(nullptr, true, profile) {
        label_.setMinimumSize(240, 160);
        layout_.addWidget(&label_);
        setLayout(&layout_);
    }
    std::vector<QSize> laidOut;

protected:
    void GetRectProfileKey(std::string& section, std::string& key) const override {
        section = "Test";
        key = "Rect";
    }
    void GetSizeProfileKey(std::string& section, std::string& key) const override {
        section = "Test";
        key = "Size";
    }
    void LayoutControls(int width, int height) override { laidOut.emplace_back(width, height); }

private:
    QVBoxLayout layout_;
    QLabel label_;
};

TEST_F(WindowsDialogs, ARestoredDialogRectangleIsEnlargedToTheDialogsInitialSize) {
    profile->WriteString("Test/Rect", "100,100,150,120"); // 50 x 20
    RememberingDlg dialog(*profile);
    dialog.show();
    const QSize initial = dialog.InitialSize();
    ASSERT_GE(initial.width(), 240);
    ASSERT_GE(initial.height(), 160);
    EXPECT_EQ(dialog.geometry(), QRect(QPoint(100, 100), initial));
    EXPECT_EQ(dialog.minimumSize(), initial);
    ASSERT_FALSE(dialog.laidOut.empty());

    dialog.resize(initial + QSize(40, 30));
    EXPECT_EQ(dialog.laidOut.back(), initial + QSize(40, 30));
    dialog.hide();
    EXPECT_EQ(profile->GetString("Test/Size", ""), GP::FormatSize(initial + QSize(40, 30)));
    EXPECT_EQ(profile->GetString("Test/Rect", ""), GP::FormatEdges(QRect(QPoint(100, 100), initial + QSize(40, 30))));
}

class WindowList : public WindowsDialogs {
protected:
    void SetUp() override {
        WindowsDialogs::SetUp();
        frame = std::make_unique<GP::CMDIFrameWndEx>(*profile);
        frame->resize(900, 700);
        frame->show();
        for (const char* title : {"a", "b", "c", "d"}) {
            auto* child = new GP::CMDIChildWndEx(4107, *profile);
            child->setWindowTitle(QString::fromLatin1(title));
            child->setAttribute(Qt::WA_DeleteOnClose);
            frame->MdiArea().addSubWindow(child);
            child->show();
            children.push_back(child);
        }
    }
    void Select(GP::CWindowListDlg& dialog, std::initializer_list<int> rows) {
        dialog.List().clearSelection();
        for (int row : rows)
            dialog.List().item(row)->setSelected(true);
    }
    QStringList Lines(GP::CWindowListDlg& dialog) {
        QStringList lines;
        for (int i = 0; i < dialog.List().count(); ++i)
            lines << dialog.List().item(i)->text();
        return lines;
    }

    std::unique_ptr<GP::CMDIFrameWndEx> frame;
    std::vector<GP::CMDIChildWndEx*> children;
};

TEST_F(WindowList, LinesMarkWindowsThatAreNotMinimizedAndSelectTheActiveOne) {
    children[3]->showMinimized();
    frame->MdiArea().setActiveSubWindow(children[1]);
    GP::CWindowListDlg dialog(*frame, *profile);
    EXPECT_EQ(Lines(dialog), (QStringList{"*\ta", "*\tb", "*\tc", "\td"}));
    ASSERT_EQ(dialog.List().selectedItems().size(), 1);
    EXPECT_EQ(dialog.List().selectedItems()[0]->text(), QStringLiteral("*\tb"));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Window"));
}

TEST_F(WindowList, LeaveKeepsTheSelectedWindowsUpWithTheFirstOnTopAndTheSelection) {
    GP::CWindowListDlg dialog(*frame, *profile);
    Select(dialog, {0, 2});
    dialog.LeaveSelected();
    EXPECT_FALSE(children[0]->isMinimized());
    EXPECT_FALSE(children[2]->isMinimized());
    EXPECT_TRUE(children[1]->isMinimized());
    EXPECT_TRUE(children[3]->isMinimized());
    EXPECT_EQ(frame->MdiArea().activeSubWindow(), children[0]);
    EXPECT_EQ(Lines(dialog), (QStringList{"*\ta", "\tb", "*\tc", "\td"}));
    EXPECT_TRUE(dialog.List().item(0)->isSelected());
    EXPECT_TRUE(dialog.List().item(2)->isSelected());
    EXPECT_FALSE(dialog.List().item(1)->isSelected());

    // Tiling side by side shares the width between the two that are left.
    dialog.TileSelectedVertically();
    EXPECT_EQ(children[0]->geometry().width() + children[2]->geometry().width(), frame->MdiArea().viewport()->width());
    EXPECT_EQ(children[0]->geometry().top(), 0);
}

TEST_F(WindowList, CloseClosesTheSelectedWindowsAndSelectsTheActiveLine) {
    GP::CWindowListDlg dialog(*frame, *profile);
    Select(dialog, {1, 3});
    dialog.CloseSelected();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(Lines(dialog), (QStringList{"*\ta", "*\tc"}));
    ASSERT_EQ(dialog.List().selectedItems().size(), 1);
}

TEST_F(WindowList, HelpExplainsTheButtonsThroughTheTextDialog) {
    test::CapturingTextDialog capture;
    GP::CWindowListDlg dialog(*frame, *profile);
    dialog.ShowHelp();
    ASSERT_EQ(capture.shown().size(), 1u);
    EXPECT_NE(capture.shown()[0].text.find("Leave"), std::string::npos);
}

TEST(TextDialog, ButtonIconAndResultMapping) {
    EXPECT_EQ(UL::TextDialogButtons(0), QMessageBox::Ok);
    EXPECT_EQ(UL::TextDialogButtons(1), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(UL::TextDialogButtons(2), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(UL::TextDialogButtons(3), QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(UL::TextDialogButtons(7), QMessageBox::Ok);
    EXPECT_EQ(UL::TextDialogIcon(0), QMessageBox::Question);
    EXPECT_EQ(UL::TextDialogIcon(1), QMessageBox::Warning);
    EXPECT_EQ(UL::TextDialogIcon(2), QMessageBox::Critical);
    EXPECT_EQ(UL::TextDialogIcon(5), QMessageBox::Warning);
    EXPECT_EQ(UL::TextDialogResult(QMessageBox::Ok), 0);
    EXPECT_EQ(UL::TextDialogResult(QMessageBox::Yes), 2);
    EXPECT_EQ(UL::TextDialogResult(QMessageBox::No), 3);
    EXPECT_EQ(UL::TextDialogResult(QMessageBox::Cancel), 1);
    EXPECT_EQ(UL::TextDialogResult(QMessageBox::NoButton), 1);
}

// Clicks the button with the given text in the message box once it is up.
void ClickWhenShown(const QString& text, QString* shownText) {
    QTimer::singleShot(0, [text, shownText] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        *shownText = box->text();
        for (QAbstractButton* button : box->buttons())
            if (button->text().remove('&') == text)
                button->click();
    });
}

TEST_F(WindowsDialogs, TheInstalledTextDialogAsksThroughAMessageBox) {
    auto previous = UL::SetTextDialog(std::make_unique<UL::CTextDialog>());
    QString shown;
    ClickWhenShown(QStringLiteral("No"), &shown);
    EXPECT_EQ(UL::GetTextDialog().ShowFormat(UL::kButtonsYesNoCancel, UL::kIconQuestion, "Overwrite %d patches?", 3),
              UL::kResultNo);
    EXPECT_EQ(shown, QStringLiteral("Overwrite 3 patches?"));
    ClickWhenShown(QStringLiteral("Cancel"), &shown);
    EXPECT_EQ(UL::GetTextDialog().Show("Read failed.", UL::kButtonsOkCancel, UL::kIconStop), UL::kResultOther);
    UL::SetTextDialog(std::move(previous));
}

TEST_F(WindowsDialogs, AboutBoxShowsTheVersionStrings) {
    EXPECT_EQ(UL::AboutVersionText("1.2.3.0", "1,2,3,0", false), QStringLiteral("Version 1.2.3.0"));
    EXPECT_EQ(UL::AboutVersionText("1.2.3.0", "1,2,3,0", true), QStringLiteral("Version 1.2.3.0 (1230)"));
    EXPECT_EQ(UL::AboutVersionText("1.2.3.0", "broken", true), QStringLiteral("Version 1.2.3.0"));
    UL::CAboutDialogA about;
    EXPECT_EQ(about.windowTitle(),
              QStringLiteral("About ") + QString::fromStdString(UL::GetVersionString("FileDescription")));
    EXPECT_EQ(about.Description().text().toStdString(), UL::GetVersionString("FileDescription"));
    EXPECT_EQ(about.LegalNotice().text().toStdString(), UL::GetVersionString("LegalCopyright"));
    EXPECT_EQ(about.Licence().text(), QStringLiteral("Distributed under the MIT License."));
}

TEST_F(WindowsDialogs, TheWaitCursorIsTheApplicationsCursorWhileItLives) {
    UL::CCursor cursor;
    UL::InstallCursorApplier(cursor);
    ASSERT_EQ(QGuiApplication::overrideCursor(), nullptr);
    {
        UL::CWaitCursor wait(cursor);
        ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
        const int cross = cursor.Push(UL::kCursorCross);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::CrossCursor);
        cursor.Pop(cross);
        EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    }
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
