// The word filter and the full-answer rule of word boxes, as the pupil meets them in the
// windows that take a number word: "SCRIVI IN LETTERE IL NUMERO DATO" up to 10 (no Z) and up
// to 20 (Z passes).
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

TEST_F(WordFilterTest, LettersOfTheWordsPassFoldedToUpperCase) {
    openUpTo10(4); // "QUATTRO"
    pupil.type("u");
    pupil.type("N");
    pupil.type("o");
    EXPECT_EQ(box(), "UNO");
    pupil.type("\b\b\b");
    // Every letter of the words "UNO" to "VENTI", in either case.
    pupil.type("undetr");
    EXPECT_EQ(box(), "UNDETR");
    pupil.type("\b\b\b\b\b\bQaCiSv");
    EXPECT_EQ(box(), "QACISV");
    EXPECT_EQ(pupil.services().beeps, 0); // typing alone is never judged
    EXPECT_EQ(pupil.face(), "neutral");
}

TEST_F(WordFilterTest, NothingButWordLettersAndBackspaceReachesTheBox) {
    openUpTo10(4);
    pupil.type("5 bfghjklmpwxyz");
    pupil.type("BFHJKLMPWXYZ");
    pupil.press(Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("è"));
    pupil.press(Qt::Key_unknown, Qt::NoModifier, QString::fromUtf8("À"));
    pupil.press(Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
    pupil.pressKeypad(3);
    pupil.press(Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16")); // paste
    EXPECT_EQ(box(), "");
    // Every key, even a swallowed one, offers the check.
    EXPECT_TRUE(pupil.enabled("Label6"));
}

TEST_F(WordFilterTest, ZPassesOnlyWhereZeroCanBeAsked) {
    openUpTo10(4); // "QUATTRO"
    pupil.type("zero");
    EXPECT_EQ(box(), "ERO");
    pupil.type("\b\b\bZ");
    EXPECT_EQ(box(), "");

    openUpTo20(0);
    pupil.type("zero");
    EXPECT_EQ(box(), "ZERO");
    // Right and complete: frozen.
    pupil.type("z\bE");
    EXPECT_EQ(box(), "ZERO");
    pupil.click("Label6");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
}

TEST_F(WordFilterTest, ARightWordOfFullLengthSwallowsEveryKey) {
    openUpTo10(2);
    pupil.type("DUE");
    pupil.type("\b");
    pupil.type("e");
    pupil.type("x");
    EXPECT_EQ(box(), "DUE");
}

TEST_F(WordFilterTest, AWrongWordOfFullLengthIsClearedBeforeTheNextKey) {
    openUpTo10(2);
    pupil.type("DUA");
    pupil.type("E");
    EXPECT_EQ(box(), "E");
    // Cleared even when the key itself is then swallowed, Backspace included.
    pupil.type("TR");
    pupil.type("7");
    EXPECT_EQ(box(), "");
    pupil.type("SEI\b");
    EXPECT_EQ(box(), "");
    // Up to 20 the length is that of the word asked: "SEDICI" has six letters.
    openUpTo20(16);
    pupil.type("SEDICE");
    EXPECT_EQ(box(), "SEDICE");
    pupil.type("I");
    EXPECT_EQ(box(), "I");
}

TEST_F(WordFilterTest, ShorterAndLongerTextsAreLeftAlone) {
    openUpTo10(4); // "QUATTRO"
    pupil.type("TRE");
    pupil.type("D");
    EXPECT_EQ(box(), "TRED");
    pupil.type("\b");
    EXPECT_EQ(box(), "TRE");
    // Only at the word's own length does the rule act: the box never grows past it.
    pupil.type("\b\b\bQUATTROO");
    EXPECT_EQ(box(), "QUATTRO");
}

} // namespace
