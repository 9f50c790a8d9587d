// The numeric editor: clamping, formats, the stepped digit, repeating on a
// hand-driven timer, the speed factor file.
#include "tests/toolkit_qt/editlist_support.h"
#include "toolkit/qt/SELVColumn.h"
#include "toolkit/qt/SpinEdit.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class ManualTimer : public GP::ISpinTimer {
public:
    void Start(int milliseconds, std::function<void()> onTimeout) override {
        started.push_back(milliseconds);
        onTimeout_ = std::move(onTimeout);
        active_ = true;
    }
    void Stop() override { active_ = false; }
    bool IsActive() const override { return active_; }
    void Fire() {
        if (!active_)
            return;
        active_ = false;
        onTimeout_();
    }
    std::vector<int> started;

private:
    std::function<void()> onTimeout_;
    bool active_ = false;
};

class SpinEdit : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }
};

TEST_F(SpinEdit, IntegersRoundHalfAwayFromZeroIntoTheWholeRange) {
    GP::CSpinEdit edit;
    edit.SetRange(-10.5, 20.7);
    EXPECT_EQ(edit.Clamp(2.5), 3);
    EXPECT_EQ(edit.Clamp(-2.5), -3);
    EXPECT_EQ(edit.Clamp(-10.4), -10); // ceil(min)
    EXPECT_EQ(edit.Clamp(21), 20);     // floor(max)
    edit.setText("abc");
    double value = 0;
    EXPECT_FALSE(edit.GetValue(&value));
}

TEST_F(SpinEdit, FormatsHexAndRealNumbers) {
    GP::CSpinEdit edit;
    edit.SetRange(-255, 255);
    edit.SetRadix(16);
    EXPECT_EQ(edit.Format(-31), "-1F");
    double value = 0;
    ASSERT_TRUE(edit.Parse("-1f", &value));
    EXPECT_EQ(value, -31);

    edit.SetRadix(10);
    edit.SetInteger(false);
    edit.SetDecimals(3);
    EXPECT_EQ(edit.Format(1.5), "1.500");
    edit.SetFormatFlags(GP::SELVColumn::kFormatDropZeros);
    EXPECT_EQ(edit.Format(1.5), "1.5");
    EXPECT_EQ(edit.Format(2.0), "2");
    edit.SetFormatFlags(GP::SELVColumn::kFormatDropZeros | GP::SELVColumn::kFormatKeepOneDigit);
    EXPECT_EQ(edit.Format(2.0), "2.0");
    edit.SetFormatFlags(GP::SELVColumn::kFormatIntegral);
    EXPECT_EQ(edit.Format(2.0), "2");
    EXPECT_EQ(edit.Format(2.25), "2.250");
}

TEST_F(SpinEdit, TheStepFollowsTheDigitAtTheCaret) {
    GP::CSpinEdit edit;
    edit.SetRange(0, 1000);
    edit.SetInteger(false);
    edit.SetDecimals(2);
    edit.SetValue(123.45);
    edit.setCursorPosition(1); // after "1"
    EXPECT_EQ(edit.GetStepExponent(), 2);
    edit.setCursorPosition(3);
    EXPECT_EQ(edit.GetStepExponent(), 0);
    edit.setCursorPosition(6); // after "5"
    EXPECT_EQ(edit.GetStepExponent(), -2);
    EXPECT_TRUE(edit.Spin(1));
    EXPECT_EQ(edit.text(), "123.46");
    EXPECT_EQ(edit.GetStepExponent(), -2); // the caret stays on its digit

    edit.SetInteger(true);
    edit.SetValue(5);
    edit.SetStepExponent(-1);
    EXPECT_EQ(edit.GetStepExponent(), 0); // integers never step below 1
    QTest::keyClick(&edit, Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(edit.GetValue(), 1000);
    QTest::keyClick(&edit, Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(edit.GetValue(), 0);
    EXPECT_FALSE(edit.Spin(-1)); // at min: nothing moves
}

TEST_F(SpinEdit, HoldingUpRepeatsOnTheKeyboardTiming) {
    GP::CSpinEdit edit;
    edit.SetRange(0, 100);
    edit.SetValue(10);
    auto timer = std::make_unique<ManualTimer>();
    ManualTimer& manual = *timer;
    edit.SetTimer(std::move(timer));
    int begins = 0;
    int ends = 0;
    QObject::connect(&edit, &GP::CSpinEdit::spinBegin, [&] { ++begins; });
    QObject::connect(&edit, &GP::CSpinEdit::spinEnd, [&] { ++ends; });

    QTest::keyPress(&edit, Qt::Key_Up);
    EXPECT_EQ(edit.GetValue(), 11);
    ASSERT_EQ(manual.started.size(), 1u);
    EXPECT_EQ(manual.started[0], GP::SpinFirstDelayMs(GP::SystemKeyboardDelay()));
    // The keyboard's own auto-repeat is ignored; the timer drives repeats.
    QTest::keyPress(&edit, Qt::Key_Up, {}, -1);
    QKeyEvent autoRepeat(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(&edit, &autoRepeat);
    EXPECT_EQ(edit.GetValue(), 11);
    manual.Fire();
    manual.Fire();
    EXPECT_EQ(edit.GetValue(), 13);
    EXPECT_EQ(manual.started[1], GP::SpinRepeatIntervalMs(GP::SystemKeyboardSpeed(), GP::SpinSpeedFactor()));
    QTest::keyRelease(&edit, Qt::Key_Up);
    EXPECT_FALSE(manual.IsActive());
    manual.Fire();
    EXPECT_EQ(edit.GetValue(), 13);
    EXPECT_EQ(begins, 1);
    EXPECT_EQ(ends, 1);
}

TEST(SpinEditTiming, DelaysFollowTheKeyboardSettingsAndTheSpeedFactor) {
    EXPECT_EQ(GP::SpinFirstDelayMs(0), 250);
    EXPECT_EQ(GP::SpinFirstDelayMs(3), 1000);
    EXPECT_EQ(GP::SpinRepeatIntervalMs(31, 1.0), 33); // 30 per second
    EXPECT_EQ(GP::SpinRepeatIntervalMs(0, 1.0), 400); // 2.5 per second
    EXPECT_EQ(GP::SpinRepeatIntervalMs(0, 2.0), 200);
    EXPECT_EQ(GP::SpinRepeatIntervalMs(31, 0.0), 33); // no factor: 1
}

TEST(SpinEditTiming, SpeedFactorFileFirstLineOrOne) {
    QTemporaryDir dir;
    const auto write = [&](const QByteArray& bytes) {
        QFile file(dir.filePath("SpinEdit.ini"));
        file.open(QIODevice::WriteOnly | QIODevice::Truncate);
        file.write(bytes);
        return file.fileName();
    };
    EXPECT_EQ(GP::ReadSpinSpeedFactor(dir.filePath("missing.ini")), 1.0);
    EXPECT_EQ(GP::ReadSpinSpeedFactor(write("2.5\n0.5\n")), 2.5);
    EXPECT_EQ(GP::ReadSpinSpeedFactor(write("fast\n")), 1.0);
    EXPECT_EQ(GP::ReadSpinSpeedFactor(write("-3\n")), 1.0);
    EXPECT_EQ(GP::ReadSpinSpeedFactor(write("0\n")), 1.0);
    EXPECT_EQ(GP::ReadSpinSpeedFactor(write("")), 1.0);
    EXPECT_TRUE(GP::SpinSpeedFactorFilePath().endsWith("/SpinEdit.ini"));
}

} // namespace
