#include "tests/toolkit_qt/windows_app.h"
#include "tests/toolkit_qt/windows_profile.h"
#include "toolkit/qt/TextOutControl.h"
#include "toolkit/qt/TextOutWindow.h"
#include "toolkit/qt/TimerTextOutWindow.h"

#include <QElapsedTimer>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <cstdio>
#include <memory>

namespace {

class TextOutWindows : public ::testing::Test {
protected:
    void SetUp() override { test::WindowsApp(); }
};

TEST_F(TextOutWindows, TheControlKeepsTheNewestTenThousandLines) {
    UL::CTextOutControl control;
    control.resize(400, 300);
    control.show();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < 10005; ++i)
        control.Printf("line %d\n", i);
    const qint64 elapsed = timer.elapsed();
    std::printf("10005 single-line outputs into the text control: %lld ms\n", static_cast<long long>(elapsed));
    EXPECT_LT(elapsed, 20000);
    EXPECT_EQ(control.LineCount(), UL::CTextOutControl::kMaxLines);
    EXPECT_EQ(control.document()->firstBlock().text(), QStringLiteral("line 5"));
    EXPECT_EQ(control.document()->lastBlock().previous().text(), QStringLiteral("line 10004"));

    // A last line without a line feed counts too.
    control.Write("partial");
    EXPECT_EQ(control.LineCount(), UL::CTextOutControl::kMaxLines);
    EXPECT_EQ(control.document()->firstBlock().text(), QStringLiteral("line 6"));
    EXPECT_EQ(control.document()->lastBlock().text(), QStringLiteral("partial"));
}

TEST_F(TextOutWindows, TheWindowIndentsLinesAndRemembersItsRectangle) {
    test::TempProfile profile;
    {
        UL::CTextOutWindow window(*profile);
        window.setGeometry(40, 50, 500, 300);
        window.show();
        window.Indent(4);
        window.Write("first\nsecond\n");
        window.Write("third");
        window.Indent(-8);
        window.Write(" and more\nfourth\n");
        EXPECT_EQ(window.Control().toPlainText(),
                  QStringLiteral("    first\n    second\n    third and more\nfourth\n"));

        // Minimized, the window loses what it is given.
        window.showMinimized();
        window.Write("lost\n");
        EXPECT_FALSE(window.Control().toPlainText().contains(QStringLiteral("lost")));
        window.showNormal();
        EXPECT_FALSE(window.testAttribute(Qt::WA_DeleteOnClose));
        EXPECT_FALSE(window.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    }
    EXPECT_EQ(profile->GetString("TextOutWindow/Position", ""), "40,50,540,350,0");
    UL::CTextOutWindow reopened(*profile);
    EXPECT_EQ(reopened.geometry(), QRect(40, 50, 500, 300));
}

// A one-shot timer on a test clock that moves only when told to.
class FakeTimer : public UL::IOneShotTimer {
public:
    explicit FakeTimer(long long& now) : now_(now) {}
    void Start(int milliseconds, std::function<void()> fired) override {
        deadline_ = now_ + milliseconds;
        fired_ = std::move(fired);
        active_ = true;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void Advance(long long milliseconds) {
        now_ += milliseconds;
        if (active_ && now_ >= deadline_) {
            active_ = false;
            fired_();
        }
    }

private:
    long long& now_;
    long long deadline_ = 0;
    bool active_ = false;
    std::function<void()> fired_;
};

TEST_F(TextOutWindows, TheTransientWindowHidesThreeSecondsAfterTheLastReport) {
    long long now = 0;
    auto timer = std::make_unique<FakeTimer>(now);
    FakeTimer* clock = timer.get();
    UL::CTimerTextOutWindow transient(std::move(timer));
    EXPECT_EQ(transient.GetDisplayTime(), 3000);
    EXPECT_FALSE(transient.IsShown());

    transient.Write("MIDI connect error.\n");
    ASSERT_TRUE(transient.IsShown());
    EXPECT_EQ(transient.Window()->text(), QStringLiteral("MIDI connect error."));
    const int firstWidth = transient.Window()->width();
    EXPECT_GT(firstWidth, 2 * 20);

    clock->Advance(1000);
    transient.Write("MIDI reconnected after a long while.\n");
    EXPECT_EQ(transient.Window()->text(), QStringLiteral("MIDI reconnected after a long while."));
    EXPECT_GT(transient.Window()->width(), firstWidth);

    clock->Advance(2999); // 3999 ms after the first report
    EXPECT_TRUE(transient.IsShown());
    clock->Advance(1); // 3000 ms after the second
    EXPECT_FALSE(transient.IsShown());

    transient.Write("MIDI connect error.\n");
    EXPECT_TRUE(transient.IsShown());
    clock->Advance(3000);
    EXPECT_FALSE(transient.IsShown());
}

TEST_F(TextOutWindows, TheTransientWindowGoesSafelyWithItsOwner) {
    auto owner = std::make_unique<QWidget>();
    owner->show();
    long long now = 0;
    auto transient = std::make_unique<UL::CTimerTextOutWindow>(std::make_unique<FakeTimer>(now));
    transient->SetOwner(owner.get());
    transient->Write("MIDI reconnected.\n");
    ASSERT_NE(transient->Window(), nullptr);
    owner.reset();
    EXPECT_EQ(transient->Window(), nullptr);
    transient.reset();
}

} // namespace
