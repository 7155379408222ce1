// The previous-and-next drill up to 10, as the pupil works through it.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

class Form17Test : public ::testing::Test {
protected:
    // Draws Int(Rnd * 9 + 1): `shown` needs a value in [(shown - 1) / 9, shown / 9).
    void newItem(int shown) {
        pupil.script({Pupil::pick(shown - 1, 9)});
        pupil.click("Label9");
    }
    void openWith(int shown) {
        pupil.open(17);
        newItem(shown);
    }
    int beeps() { return pupil.services().beeps; }
    Pupil pupil;
};

TEST_F(Form17Test, BothNeighboursRightAtOnceCountInEitherOrder) {
    pupil.open(17);
    EXPECT_FALSE(pupil.enabled("Text1"));
    EXPECT_FALSE(pupil.enabled("Text2"));
    EXPECT_EQ(pupil.focusedBox(), "");

    newItem(5);
    EXPECT_EQ(pupil.caption("Label2"), "5");
    EXPECT_EQ(pupil.caption("Label8"), "1");
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.focusedBox(), "Text2"); // sent on, and nothing judged there yet
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "");
    pupil.type("6");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "1");

    // Successor first: the item counts when the predecessor is judged.
    newItem(3);
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    EXPECT_FALSE(pupil.enabled("Label9")); // no key typed in the left box yet
    pupil.clickInto("Text2");
    pupil.type("4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    EXPECT_EQ(pupil.caption("Label4"), "1");
    EXPECT_FALSE(pupil.enabled("Label9")); // the right box does not give it back
    pupil.clickInto("Text1");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("2");
    EXPECT_EQ(pupil.caption("Label4"), "2");
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_TRUE(pupil.enabled("Label9"));
    EXPECT_EQ(beeps(), 0);

    // A right answer stays: every key is swallowed, and judged right again.
    pupil.type("\b7");
    EXPECT_EQ(pupil.text("Text2"), "4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "2");
    EXPECT_EQ(beeps(), 0);
}

TEST_F(Form17Test, WrongFirstDigitBeepsTwiceAndTheItemNeverCounts) {
    openWith(5);
    pupil.type("3");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(pupil.focusedBox(), "Text1"); // no Tab after a wrong digit
    pupil.type("4");                        // clears the wrong digit first
    EXPECT_EQ(pupil.text("Text1"), "4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(beeps(), 2);
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    pupil.clickInto("Text2");
    pupil.type("6");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "");

    // A key released in a box without its right answer beeps, Backspace and letters too.
    newItem(2);
    EXPECT_EQ(pupil.focusedBox(), "Text1");
    pupil.type("\b");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 3);
    pupil.type("a");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(beeps(), 4);
    EXPECT_EQ(pupil.caption("Label8"), "2");
}

TEST_F(Form17Test, NewItemMovesTheFocusOnAndClickingBackJudgesTheBoxes) {
    openWith(5);
    pupil.type("4");
    pupil.type("7"); // wrong successor
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 2);
    // Into the right left box: its focus and its click both judge it.
    pupil.clickInto("Text1");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(beeps(), 2);
    // Back into the wrong box: one beep from the focus, one from the click.
    pupil.clickInto("Text2");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(beeps(), 4);
    // A click in the box that already has the focus judges only once.
    pupil.clickInto("Text2");
    EXPECT_EQ(beeps(), 5);

    // Asked while the focus is in the left box, the new item moves it to the right one.
    pupil.clickInto("Text1");
    newItem(6);
    EXPECT_EQ(pupil.caption("Label8"), "2");
    EXPECT_EQ(pupil.focusedBox(), "Text2");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.text("Text2"), "");
    pupil.type("5"); // in the right box, which expects 7
    EXPECT_EQ(pupil.text("Text2"), "5");
    EXPECT_EQ(pupil.face(), "sad");
}

TEST_F(Form17Test, BoxesAndNumberWearTheColoursOfTheirNumbers) {
    pupil.open(17);
    EXPECT_EQ(pupil.current().textBox("Text1").backColor(), colours::Peach);
    EXPECT_EQ(pupil.current().textBox("Text1").foreColor(), colours::White);
    newItem(1);
    const TextBox& pred = pupil.current().textBox("Text1");
    const TextBox& succ = pupil.current().textBox("Text2");
    const Label& shown = pupil.current().label("Label2");
    EXPECT_EQ(pred.backColor(), colours::ButtonFace); // 0
    EXPECT_EQ(pred.foreColor(), colours::White);
    EXPECT_EQ(shown.backColor(), colours::White); // 1
    EXPECT_EQ(shown.foreColor(), colours::ButtonText);
    EXPECT_EQ(succ.backColor(), Colour(0x000000FF)); // 2, red
    EXPECT_EQ(succ.foreColor(), colours::White);
    pupil.type("0");
    newItem(8);
    EXPECT_EQ(pred.backColor(), colours::Black); // 7
    EXPECT_EQ(pred.foreColor(), colours::White);
    EXPECT_EQ(shown.backColor(), Colour(0x00000080)); // 8, maroon
    EXPECT_EQ(succ.backColor(), Colour(0x00C00000));  // 9, blue
    EXPECT_EQ(succ.foreColor(), colours::White);
}

TEST_F(Form17Test, TheNinetyNinthItemStartsANewRun) {
    pupil.open(17);
    for (int i = 1; i <= 98; ++i) {
        newItem(5);
        pupil.type("4"); // on to the right box
        pupil.type("6");
    }
    ASSERT_EQ(pupil.caption("Label8"), "98");
    ASSERT_EQ(pupil.caption("Label4"), "98");
    ASSERT_EQ(pupil.focusedBox(), "Text2");
    newItem(5);
    EXPECT_EQ(pupil.caption("Label8"), "1");
    EXPECT_EQ(pupil.caption("Label4"), "0");
    EXPECT_EQ(pupil.focusedBox(), "Text1"); // the Tab was sent as on every item
    pupil.type("4");
    pupil.type("6");
    EXPECT_EQ(pupil.caption("Label4"), "1");
}

} // namespace
