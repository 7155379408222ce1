// The word filter and the full-answer rule of word boxes, as the pupil meets them in the
// windows that take a number word: up to 10 (no Z) and up to 20 (Z passes).
#include "support/test_program.h"

#include <gtest/gtest.h>

using testing_support::Pupil;

namespace {

class WordFilterTest : public ::testing::Test {
protected:
    // Up to 10 the draw is Int(Rnd * 9) + 1, up to 20 Int(Rnd * 20).
    void openUpTo10(int number) { open(8, Pupil::pick(number - 1, 9)); }
    void openUpTo20(int number) { open(31, Pupil::pick(number, 20)); }
    void open(int window, double rnd) {
        for (platform::Form* loaded : pupil.program().loadedForms())
            loaded->unload();
        pupil.open(window);
        pupil.script({rnd});
        pupil.click("Label3");
        pupil.clickInto("Text1");
    }
    QString box() { return pupil.text("Text1"); }
    Pupil pupil;
};

TEST_F(WordFilterTest, OnlyTheLettersOfTheWordsPassFoldedToUpperCase) {
    openUpTo10(4); // "QUATTRO"
    pupil.type("uNo");
    EXPECT_EQ(box(), "UNO");
    pupil.type("\b\b\bdetr\b\b\b\bqacisv");
    EXPECT_EQ(box(), "QACISV");
    pupil.type("\b\b\b\b\b\b5 bfghjklmpwxyzBFHJKLMPWXYZ");
    pupil.press(Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("è"));
    pupil.press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    pupil.press(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16")); // paste
    EXPECT_EQ(box(), "");
    EXPECT_TRUE(pupil.enabled("Label6")); // every key, even a swallowed one, offers the check
    pupil.type("zero");
    EXPECT_EQ(box(), "ERO");
    EXPECT_EQ(pupil.services().beeps, 0);

    openUpTo20(0);
    pupil.type("zero");
    EXPECT_EQ(box(), "ZERO");
    pupil.type("z\bE"); // right and complete: frozen
    EXPECT_EQ(box(), "ZERO");
    pupil.click("Label6");
    EXPECT_EQ(pupil.caption("Label12"), "1");
}

TEST_F(WordFilterTest, AFullLengthWordIsFrozenWhenRightAndClearedWhenWrong) {
    openUpTo10(2);
    pupil.type("DUA");
    pupil.type("E");
    EXPECT_EQ(box(), "E");
    // Cleared even when the key itself is then swallowed, Backspace included.
    pupil.type("TR7");
    EXPECT_EQ(box(), "");
    pupil.type("SEI\b");
    EXPECT_EQ(box(), "");
    pupil.type("DUE\bex");
    EXPECT_EQ(box(), "DUE");

    // Shorter texts are left alone, and the box never grows past the word.
    openUpTo10(4); // "QUATTRO"
    pupil.type("TRED\b");
    EXPECT_EQ(box(), "TRE");
    pupil.type("\b\b\bQUATTROO");
    EXPECT_EQ(box(), "QUATTRO");
    // Up to 20 the length is that of the word asked: "SEDICI" has six letters.
    openUpTo20(16);
    pupil.type("SEDICEI");
    EXPECT_EQ(box(), "I");
}

} // namespace
