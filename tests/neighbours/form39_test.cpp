// The previous-and-next drill up to 20, as the pupil works through it.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

class Form39Test : public ::testing::Test {
protected:
    // Draws Int(Rnd * 19 + 1): `shown` needs a value in [(shown - 1) / 19, shown / 19).
    void newItem(int shown) {
        pupil.script({Pupil::pick(shown - 1, 19)});
        pupil.click("Label9");
    }
    void openWith(int shown) {
        pupil.open(39);
        newItem(shown);
    }
    int beeps() { return pupil.services().beeps; }
    Pupil pupil;
};

TEST_F(Form39Test, TwoDigitAnswersAreJudgedOnlyWhenComplete) {
    openWith(19);
    EXPECT_EQ(pupil.caption("Label2"), "19");
    EXPECT_EQ(pupil.caption("Label8"), "1");
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    // No colour code up to 20: the design's colours stay.
    EXPECT_EQ(pupil.current().textBox("Text1").backColor(), colours::Peach);
    EXPECT_EQ(pupil.current().textBox("Text2").foreColor(), colours::Black);
    EXPECT_EQ(pupil.current().label("Label2").foreColor(), colours::Black);

    pupil.type("1");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("8");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.focusedBox(), "Text1"); // the pupil moves on by hand
    EXPECT_EQ(pupil.caption("Label4"), "");
    pupil.clickInto("Text2");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("2");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(beeps(), 0);
    pupil.type("0");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "1");

    // Shown 10: the predecessor has one digit and freezes like any right answer.
    newItem(10);
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_FALSE(pupil.enabled("Label9"));
    pupil.type("9");
    EXPECT_EQ(pupil.face(), "smiling");
    pupil.type("\b5");
    EXPECT_EQ(pupil.text("Text1"), "9");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_TRUE(pupil.enabled("Label9"));

    // Shown 1: the predecessor is 0.
    newItem(1);
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    pupil.type("2");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_FALSE(pupil.enabled("Label9")); // only the left box gives it back
    pupil.clickInto("Text1");
    pupil.type("0");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "2");
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Form39Test, WrongTriesAreNotHeldAgainstTheItem) {
    openWith(7);
    pupil.type("5");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 1);
    pupil.type("6"); // lands alone in the cleared box
    EXPECT_EQ(pupil.text("Text1"), "6");
    EXPECT_EQ(pupil.face(), "smiling");
    pupil.clickInto("Text2");
    pupil.type("9");
    EXPECT_EQ(beeps(), 2);
    pupil.type("8");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "1");

    // Two digits that make a wrong answer: sad at the second, cleared by the next key.
    newItem(12);
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    pupil.type("10");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 3);
    pupil.type("\b"); // empties the box; a short box changes no face
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 3);
    pupil.type("11");
    pupil.tab();
    pupil.type("13");
    EXPECT_EQ(pupil.caption("Label4"), "2");
}

TEST_F(Form39Test, MovingIntoABoxShowsHowItWasFound) {
    openWith(4);
    pupil.type("3");
    EXPECT_EQ(pupil.face(), "smiling");
    pupil.clickInto("Text2");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.clickInto("Text2"); // already focused and empty: nothing changes
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("7");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 1);
    pupil.tab();
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_EQ(pupil.face(), "smiling");
    // The right box was never found right: moving in shows only the neutral face...
    pupil.tab();
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(beeps(), 1);
    // ...but a click into it judges what it holds.
    pupil.clickInto("Text2");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 2);
    // A click from the right box into the left one: neutral, then smiling.
    pupil.clickInto("Text1");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(beeps(), 2);
}

} // namespace
