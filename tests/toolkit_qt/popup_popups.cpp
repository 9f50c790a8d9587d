// The pop-ups on their own: widening, modal runs, the code-page converter
// they are fed through.
#include "tests/support/CapturingTextDialog.h"
#include "tests/toolkit_qt/editlist_support.h"
#include "toolkit/core/CodePage.h"
#include "toolkit/qt/PopupComboBox.h"
#include "toolkit/qt/PopupEdit.h"

#include <QKeyEvent>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

// Types text as a keyboard would, one key event a character (QTest's key
// clicks take ASCII only).
void Type(QWidget& widget, const QString& text) {
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(&widget, &press);
    }
}

class Popup : public ::testing::Test {
protected:
    void SetUp() override { test::EnsureApplication(); }
};

TEST_F(Popup, TextEditWidensToItsTextRightAlignedToTheLeft) {
    QWidget parent;
    parent.resize(600, 100);
    const QRect cell(300, 10, 60, 20);
    GP::CPopupEdit left(cell, GP::SELVColumn::kAlignLeft, 0, &parent);
    GP::CPopupEdit right(cell, GP::SELVColumn::kAlignRight, 0, &parent);
    const QString text(40, QChar('W'));
    left.SetText(text);
    right.SetText(text);
    EXPECT_GT(left.width(), cell.width());
    EXPECT_EQ(left.x(), cell.left());
    EXPECT_EQ(right.geometry().right(), cell.right());
    EXPECT_LT(right.x(), cell.left());
    left.SetText("");
    EXPECT_EQ(left.width(), cell.width()); // never narrower than the cell
    EXPECT_TRUE(left.IsModified());
}

TEST_F(Popup, ALimitedEditRefusesMoreCharactersAndOnesOutsideAsciiAndCountsDown) {
    QWidget parent;
    GP::CPopupEdit edit(QRect(0, 0, 80, 20), 0, 0, &parent);
    EXPECT_EQ(edit.CharactersLeft(), -1);
    edit.SetLimits(16, true);
    edit.SetText("CLEAN");
    EXPECT_EQ(edit.CharactersLeft(), 11);
    edit.setFocus();
    edit.end(false);
    Type(edit, QString::fromUtf8(" \xC3\xA9\xE9\x9F\xB3~1234567890"));
    EXPECT_EQ(edit.text(), "CLEAN ~123456789") << "accents and kana are refused, the 17th character too";
    EXPECT_EQ(edit.CharactersLeft(), 0);
    edit.setText("");
    EXPECT_EQ(edit.CharactersLeft(), 16);

    GP::CPopupEdit memo(QRect(0, 0, 80, 20), 0, 0, &parent);
    memo.SetLimits(0, false);
    Type(memo, QString::fromUtf8("\xC3\xA9\xE9\x9F\xB3 and more than sixteen characters"));
    EXPECT_EQ(memo.text(), QString::fromUtf8("\xC3\xA9\xE9\x9F\xB3 and more than sixteen characters"));
}

TEST_F(Popup, RunModalAnswersEnterOnlyWhenTheValidatorAgrees) {
    GP::CPopupEdit edit(QRect(), 0, 7, nullptr);
    int asked = 0;
    edit.SetModalValidator([&](const QString& text) {
        ++asked;
        return text == "ok";
    });
    QTimer::singleShot(0, [&] {
        QTest::keyClick(&edit, Qt::Key_Return); // refused: the loop goes on
        edit.SetText("ok");
        QTest::keyClick(&edit, Qt::Key_Return);
    });
    EXPECT_EQ(edit.RunModal(QRect(10, 10, 80, 20), nullptr), GP::IPopup::kReturnEnter);
    EXPECT_EQ(asked, 2);
    EXPECT_EQ(edit.GetUserValue(), 7);

    QTimer::singleShot(0, [&] { QTest::keyClick(&edit, Qt::Key_Escape); });
    EXPECT_EQ(edit.RunModal(QRect(10, 10, 80, 20), nullptr), GP::IPopup::kReturnEscape);
}

TEST_F(Popup, DropDownIsAsWideAsItsWidestEntry) {
    QWidget parent;
    const QRect cell(0, 0, 20, 20);
    GP::CPopupComboBox combo(cell, {"A", "A much longer entry than the cell"}, 0, &parent);
    EXPECT_GT(combo.width(), combo.fontMetrics().horizontalAdvance("A much longer entry than the cell"));
    combo.SetText("A much longer entry than the cell");
    EXPECT_EQ(combo.currentIndex(), 1);
    combo.SetText("not an entry");
    EXPECT_EQ(combo.currentIndex(), 1);
    EXPECT_FALSE(combo.IsModified());
}

TEST(CodePage, ConvertsBothWaysAndRefusesWhatTheCodePageCannotHold) {
    std::string out = "untouched";
    std::string refused;
    EXPECT_TRUE(UL::Utf8ToCodePage("Caf\xC3\xA9 \xE2\x82\xAC", 1252, out, &refused));
    EXPECT_EQ(out, "Caf\xE9 \x80");
    out = "untouched";
    EXPECT_FALSE(UL::Utf8ToCodePage("ab\xE3\x81\x82"
                                    "c",
                                    1252, out, &refused));
    EXPECT_EQ(out, "untouched");
    EXPECT_EQ(refused, "\xE3\x81\x82");
    EXPECT_TRUE(UL::Utf8ToCodePage("\xE3\x81\x82\xEF\xBD\xB1", 932, out)); // hiragana a, half-width katakana a
    EXPECT_EQ(out, "\x82\xA0\xB1");
    EXPECT_FALSE(UL::Utf8ToCodePage("x", 437, out));

    std::string utf8;
    EXPECT_TRUE(UL::CodePageToUtf8("\x82\xA0", 932, utf8));
    EXPECT_EQ(utf8, "\xE3\x81\x82");
    // A byte the code page does not define is shown, not dropped.
    EXPECT_FALSE(UL::CodePageToUtf8("a\x81"
                                    "b",
                                    1252, utf8));
    EXPECT_EQ(utf8, "a\xEF\xBF\xBD"
                    "b");
}

TEST(CodePage, RefusalTellsTheUserWhichCharacter) {
    test::EnsureApplication();
    test::CapturingTextDialog dialog;
    std::string out = "kept";
    EXPECT_FALSE(GP::CellTextToBytes(QString::fromUtf8("\xE3\x81\x82"), 1252, out));
    EXPECT_EQ(out, "kept");
    ASSERT_EQ(dialog.shown().size(), 1u);
    EXPECT_NE(dialog.shown()[0].text.find("\xE3\x81\x82"), std::string::npos);
    EXPECT_EQ(dialog.shown()[0].icon, UL::kIconExclamation);
}

} // namespace
