#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"
#include "toolkit/profile/VersionInfo.h"
#include "toolkit/qt/MDIChildWndEx.h"
#include "toolkit/qt/MDIFrameWndEx.h"

#include <QGuiApplication>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QScrollBar>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <vector>

namespace {

class MdiFrame : public ::testing::Test {
protected:
    void SetUp() override { test::WindowsApp(); }

    // A child window with a title, added to the frame and shown.
    GP::CMDIChildWndEx* AddChild(GP::CMDIFrameWndEx& frame, const QString& title, int slot = 4107) {
        auto* child = new GP::CMDIChildWndEx(slot, *profile);
        child->setWidget(new QLabel(title));
        child->setWindowTitle(title);
        frame.MdiArea().addSubWindow(child);
        child->show();
        return child;
    }

    // A frame of 900 by 700 on screen.
    std::unique_ptr<GP::CMDIFrameWndEx> ShownFrame() {
        auto frame = std::make_unique<GP::CMDIFrameWndEx>(*profile);
        frame->resize(900, 700);
        frame->show();
        return frame;
    }

    static void AddToolBar(GP::CMDIFrameWndEx& frame) {
        auto* bar = new QToolBar(QStringLiteral("Tool Bar"));
        bar->setObjectName(QStringLiteral("ToolBar"));
        frame.addToolBar(bar);
    }

    static QRect FirstRun() { return GP::FirstRunFrameRect(QGuiApplication::primaryScreen()->availableGeometry()); }

    test::TempProfile profile;
};

TEST(MdiFirstRun, TheFrameTakesEightyPercentOfTheScreenCentred) {
    const QRect screen(0, 24, 1366, 744);
    const QRect frame = GP::FirstRunFrameRect(screen);
    EXPECT_EQ(frame.size(), QSize(1092, 595));
    EXPECT_EQ(frame.left() - screen.left(), screen.right() - frame.right());
    EXPECT_LE(std::abs((frame.top() - screen.top()) - (screen.bottom() - frame.bottom())), 1);
    EXPECT_EQ(GP::FirstRunFrameRect(QRect()), QRect(0, 0, 800, 600));
}

TEST_F(MdiFrame, PlacementMaximizedStateVersionAndBarsGoThroughTheProfile) {
    const QRect firstRun = FirstRun();
    {
        GP::CMDIFrameWndEx frame(*profile);
        EXPECT_EQ(frame.geometry(), firstRun);
    }
    EXPECT_EQ(profile->GetString("Window/Position", ""), QStringLiteral("%1,%2,%3,%4")
                                                             .arg(firstRun.left())
                                                             .arg(firstRun.top())
                                                             .arg(firstRun.left() + firstRun.width())
                                                             .arg(firstRun.top() + firstRun.height())
                                                             .toStdString());

    profile->WriteString("Window/Position", "10,20,650,500");
    profile->WriteInt("Window/Maximized", 1);
    {
        GP::CMDIFrameWndEx frame(*profile);
        AddToolBar(frame);
        frame.show();
        EXPECT_TRUE(frame.isMaximized());
        EXPECT_EQ(frame.normalGeometry(), QRect(10, 20, 640, 480));
        frame.close();
    }
    // The normal rectangle survives a maximized run; the state is kept too.
    EXPECT_EQ(profile->GetString("Window/Position", ""), "10,20,650,500");
    EXPECT_EQ(profile->GetInt("Window/Maximized", -1), 1);
    EXPECT_EQ(profile->GetString("Version/FileVersion", ""), UL::GetVersionString("FileVersion"));
    EXPECT_FALSE(profile->GetString("ControlBar/State", "").empty());

    GP::CMDIFrameWndEx frame(*profile);
    AddToolBar(frame);
    EXPECT_TRUE(frame.LoadBarState());
    // A layout stored by another version is not applied.
    profile->WriteString("Version/FileVersion", "0.0.0.1");
    EXPECT_FALSE(frame.LoadBarState());
}

TEST_F(MdiFrame, ABrokenStoredPositionFallsBackToTheDefault) {
    profile->WriteString("Window/Position", "10,20,x,500");
    GP::CMDIFrameWndEx frame(*profile);
    EXPECT_EQ(frame.geometry(), FirstRun());
}

TEST_F(MdiFrame, FortyWindowsListTheFirstThirtySixSortedByTitleWithTheActiveOneChecked) {
    GP::CMDIFrameWndEx frame(*profile);
    frame.show();
    std::vector<GP::CMDIChildWndEx*> children(40);
    for (int i = 39; i >= 0; --i) // added in reverse: the list sorts by title
        children[static_cast<std::size_t>(i)] =
            AddChild(frame, QStringLiteral("Patches %1").arg(i, 2, 10, QChar('0')));
    frame.MdiArea().setActiveSubWindow(children[12]);

    QMenu windowMenu;
    windowMenu.addAction(QStringLiteral("Cascade"));
    windowMenu.addMenu(QStringLiteral("&Go To"));
    windowMenu.addAction(QStringLiteral("Tile"));
    frame.SetWindowListMenu(&windowMenu, 1);
    ASSERT_EQ(windowMenu.actions().size(), 3);
    EXPECT_EQ(windowMenu.actions()[1]->menu(), &frame.WindowListMenu());
    EXPECT_EQ(frame.WindowListMenu().title(), QStringLiteral("&Go To"));

    frame.RebuildWindowListMenu();
    QList<QAction*> items = frame.WindowListMenu().actions();
    ASSERT_EQ(items.size(), 36);
    EXPECT_EQ(items[0]->text(), QStringLiteral("&0\tPatches 00"));
    EXPECT_EQ(items[9]->text(), QStringLiteral("&9\tPatches 09"));
    EXPECT_EQ(items[10]->text(), QStringLiteral("&A\tPatches 10"));
    EXPECT_EQ(items[35]->text(), QStringLiteral("&Z\tPatches 35"));
    for (int i = 0; i < items.size(); ++i)
        EXPECT_EQ(items[i]->isChecked(), i == 12) << i;

    // Ctrl+G shows the same list at the mouse.
    EXPECT_EQ(frame.PopupWindowListAction().shortcut(), QKeySequence(QStringLiteral("Ctrl+G")));
    frame.PopupWindowListAction().trigger();
    EXPECT_TRUE(frame.WindowListMenu().isVisible());
    EXPECT_EQ(frame.WindowListMenu().actions().size(), 36);
    frame.WindowListMenu().hide();

    // Choosing an entry brings that window up and restores it.
    children[30]->showMinimized();
    items = frame.WindowListMenu().actions();
    items[30]->trigger();
    EXPECT_EQ(frame.MdiArea().activeSubWindow(), children[30]);
    EXPECT_FALSE(children[30]->isMinimized());
}

TEST_F(MdiFrame, MenuEntriesShowAmpersandsInTitlesLiterally) {
    GP::CMDIFrameWndEx frame(*profile);
    frame.show();
    AddChild(frame, QStringLiteral("Clean & Crunch"));
    frame.RebuildWindowListMenu();
    ASSERT_EQ(frame.WindowListMenu().actions().size(), 1);
    EXPECT_EQ(frame.WindowListMenu().actions()[0]->text(), QStringLiteral("&0\tClean && Crunch"));
}

TEST_F(MdiFrame, SavedChildPositionIsUsedByTheNextChildOfTheSameSlot) {
    const auto shown = ShownFrame();
    GP::CMDIFrameWndEx& frame = *shown;
    GP::CMDIChildWndEx* first = AddChild(frame, QStringLiteral("first"));
    // Nothing saved yet: the MDI area placed the window.
    EXPECT_EQ(profile->GetString("Window/Position4107", "none"), "none");
    first->setGeometry(30, 40, 300, 200);
    frame.SavePositionAction().setEnabled(true);
    frame.MdiArea().setActiveSubWindow(first);
    frame.SavePositionAction().trigger();
    EXPECT_EQ(profile->GetString("Window/Position4107", ""), "30,40,300,200");

    GP::CMDIChildWndEx* second = AddChild(frame, QStringLiteral("second"));
    EXPECT_EQ(second->geometry(), QRect(30, 40, 300, 200));
    GP::CMDIChildWndEx* otherSlot = AddChild(frame, QStringLiteral("other"), 4097);
    EXPECT_NE(otherSlot->geometry(), QRect(30, 40, 300, 200));

    // At start-up the windows are made before the frame is shown.
    GP::CMDIFrameWndEx hiddenFrame(*profile);
    hiddenFrame.resize(900, 700);
    GP::CMDIChildWndEx* early = AddChild(hiddenFrame, QStringLiteral("early"));
    hiddenFrame.show();
    EXPECT_EQ(early->geometry(), QRect(30, 40, 300, 200));
}

TEST_F(MdiFrame, WindowsWithoutASavedPositionOpenAtAUsableSizeCascaded) {
    const auto shown = ShownFrame();
    GP::CMDIFrameWndEx& frame = *shown;
    GP::CMDIChildWndEx* first = AddChild(frame, QStringLiteral("first"));
    const QRect usable = first->UsableArea();
    EXPECT_EQ(first->geometry(), QRect(usable.topLeft(), QSize(usable.width() * 2 / 3, usable.height() * 2 / 3)));
    GP::CMDIChildWndEx* second = AddChild(frame, QStringLiteral("second"));
    const int step = second->MinimizedHeight();
    EXPECT_EQ(second->geometry(), first->geometry().translated(step, step));
    // A minimized window takes no place in the cascade.
    const QRect secondPlace = second->geometry();
    second->showMinimized();
    GP::CMDIChildWndEx* third = AddChild(frame, QStringLiteral("third"));
    EXPECT_EQ(third->geometry(), secondPlace);

    // Past the usable area the cascade starts again at the top left.
    for (int i = 0; i < 30; ++i) {
        GP::CMDIChildWndEx* child = AddChild(frame, QString::number(i));
        EXPECT_TRUE(usable.contains(child->geometry())) << i;
        EXPECT_EQ(child->size(), first->size()) << i;
    }
}

TEST_F(MdiFrame, AWindowBeyondTheEdgeOfASmallFrameCanBeScrolledTo) {
    const auto shown = ShownFrame();
    GP::CMDIFrameWndEx& frame = *shown;
    GP::CMDIChildWndEx* child = AddChild(frame, QStringLiteral("far"));
    child->setGeometry(600, 400, 300, 200);
    frame.resize(400, 300);
    QCoreApplication::processEvents();
    QScrollBar* across = frame.MdiArea().horizontalScrollBar();
    QScrollBar* down = frame.MdiArea().verticalScrollBar();
    EXPECT_TRUE(across->isVisible());
    EXPECT_TRUE(down->isVisible());
    across->setValue(across->maximum());
    down->setValue(down->maximum());
    QCoreApplication::processEvents();
    EXPECT_TRUE(frame.MdiArea().viewport()->rect().intersects(child->geometry()))
        << "scrolled to the end, the window is in sight";
}

TEST_F(MdiFrame, ResizeCommandsFillTheAreaAboveTheRowOfMinimizedWindows) {
    const auto shown = ShownFrame();
    GP::CMDIFrameWndEx& frame = *shown;
    GP::CMDIChildWndEx* child = AddChild(frame, QStringLiteral("child"));
    child->setGeometry(50, 60, 200, 150);
    frame.MdiArea().setActiveSubWindow(child);
    const QRect viewport = frame.MdiArea().viewport()->rect();
    const int usableHeight = viewport.height() - child->MinimizedHeight();
    ASSERT_GT(child->MinimizedHeight(), 0);

    frame.UpdateCommandStates();
    ASSERT_TRUE(frame.MaximizeHeightAction().isEnabled());
    frame.MaximizeHeightAction().trigger();
    EXPECT_EQ(child->geometry(), QRect(50, 0, 200, usableHeight));

    child->setGeometry(50, 60, 200, 150);
    frame.MaximizeWidthAction().trigger();
    EXPECT_EQ(child->geometry(), QRect(0, 60, viewport.width(), 150));

    frame.ResizeToFullAction().trigger();
    EXPECT_EQ(child->geometry(), QRect(0, 0, viewport.width(), usableHeight));

    // Offered only for a window that is neither minimized nor maximized.
    child->showMaximized();
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.ResizeToFullAction().isEnabled());
    EXPECT_FALSE(frame.MaximizeHeightAction().isEnabled());
    EXPECT_FALSE(frame.AlwaysOnTopAction().isEnabled());
}

// A window that may stay on top (no window of the program allows it yet).
class TopChild : public GP::CMDIChildWndEx {
public:
    using CMDIChildWndEx::CMDIChildWndEx;
    bool CanStayOnTop() const override { return true; }
};

TEST_F(MdiFrame, AWindowAlwaysAtTheTopStaysAboveWindowsActivatedLater) {
    const auto shown = ShownFrame();
    GP::CMDIFrameWndEx& frame = *shown;
    auto* top = new TopChild(1, *profile);
    top->setWindowTitle(QStringLiteral("top"));
    frame.MdiArea().addSubWindow(top);
    top->show();
    GP::CMDIChildWndEx* other = AddChild(frame, QStringLiteral("other"));

    frame.MdiArea().setActiveSubWindow(top);
    frame.UpdateCommandStates();
    ASSERT_TRUE(frame.AlwaysOnTopAction().isEnabled());
    frame.AlwaysOnTopAction().trigger();
    EXPECT_TRUE(top->IsAlwaysOnTop());
    EXPECT_TRUE(frame.AlwaysOnTopAction().isChecked());

    frame.MdiArea().setActiveSubWindow(other);
    EXPECT_EQ(frame.MdiArea().activeSubWindow(), other);
    EXPECT_EQ(frame.MdiArea().subWindowList(QMdiArea::StackingOrder).back(), top);
    frame.UpdateCommandStates();
    EXPECT_FALSE(frame.AlwaysOnTopAction().isEnabled()); // a plain child cannot
}

} // namespace
