// The drill frame as the pupil meets it in the "number that follows" window up to 10.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

class FrameTest : public ::testing::Test {
protected:
    // Opens the window and asks for an item showing `shown`.
    void openWith(int shown) {
        pupil.open(14);
        newItem(shown);
    }
    void newItem(int shown) {
        pupil.script({Pupil::pick(shown, 9)});
        pupil.click("Label9");
    }
    Pupil pupil;
};

TEST_F(FrameTest, BeforeTheFirstItemNothingCanBeTyped) {
    pupil.open(14);
    EXPECT_FALSE(pupil.enabled("Text1"));
    EXPECT_EQ(pupil.caption("Label4"), "");
    EXPECT_EQ(pupil.caption("Label8"), "");
    EXPECT_EQ(pupil.caption("Label3"), "ESATTI");
    EXPECT_EQ(pupil.caption("Label7"), "SU");
    for (const char* face : {"Image1", "Image2", "Image3"})
        EXPECT_TRUE(pupil.visible(face)) << face;
    pupil.click("Text1");
    pupil.type("1");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.services().beeps, 0);
}

TEST_F(FrameTest, NewItemShowsTheNumberAndWaitsForAKey) {
    openWith(4);
    EXPECT_EQ(pupil.caption("Label2"), "4");
    EXPECT_EQ(pupil.caption("Label8"), "1");
    EXPECT_TRUE(pupil.enabled("Text1"));
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_FALSE(pupil.visible("Image2"));
    EXPECT_FALSE(pupil.visible("Image3"));
    // The chalk box takes no click until a key is pressed in the box.
    pupil.click("Label9");
    EXPECT_EQ(pupil.caption("Label8"), "1");
    // The new item does not move the focus: keys go nowhere until the pupil clicks in.
    EXPECT_EQ(pupil.focusedBox(), "");
    pupil.type("5");
    EXPECT_EQ(pupil.text("Text1"), "");
    pupil.clickInto("Text1");
    pupil.type("5");
    EXPECT_EQ(pupil.text("Text1"), "5");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "1");
    EXPECT_EQ(pupil.services().randomizeCalls, 1);
}

TEST_F(FrameTest, RightAnswerIsFrozenAndScoresOnlyOnce) {
    openWith(2);
    pupil.clickInto("Text1");
    pupil.type("3");
    EXPECT_EQ(pupil.caption("Label4"), "1");
    EXPECT_TRUE(pupil.enabled("Label9"));
    pupil.type("\b7");
    EXPECT_EQ(pupil.text("Text1"), "3");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), "1");
    EXPECT_EQ(pupil.services().beeps, 0);
}

TEST_F(FrameTest, WrongAnswerBeepsAndIsReplacedByTheNextDigit) {
    openWith(2);
    pupil.clickInto("Text1");
    pupil.type("5");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    pupil.type("3");
    EXPECT_EQ(pupil.text("Text1"), "3");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), ""); // right only at the second try
    // A wrong digit, then Backspace: the box empties, Backspace is not judged.
    newItem(6);
    pupil.type("1\b");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 2);
    EXPECT_EQ(pupil.caption("Label8"), "2");
}

TEST_F(FrameTest, OtherKeysAreSwallowedButJudgedByTheirKeyCode) {
    openWith(0);
    pupil.clickInto("Text1");
    pupil.type("a");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.face(), "neutral");   // a letter's key-up is not judged
    EXPECT_TRUE(pupil.enabled("Label9")); // but it gives the chalk box back
    // Shift with a digit: the character is swallowed, the digit key is still judged.
    pupil.pressShifted(1, '!');
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.face(), "sad");
    pupil.type("1");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label4"), ""); // the shifted key was the first try
    // Keypad digits are judged like the main row.
    newItem(7);
    pupil.pressKeypad(8);
    EXPECT_EQ(pupil.text("Text1"), "8");
    EXPECT_EQ(pupil.caption("Label4"), "1");
}

TEST_F(FrameTest, NumbersAndAnswerBoxWearTheColourOfTheirValue) {
    openWith(0);
    const TextBox& box = pupil.current().textBox("Text1");
    const Label& number = pupil.current().label("Label2");
    EXPECT_EQ(number.backColor(), colours::ButtonFace);
    EXPECT_EQ(number.foreColor(), colours::White);
    EXPECT_EQ(box.backColor(), colours::White); // the answer 1
    EXPECT_EQ(box.foreColor(), colours::Black);
    pupil.clickInto("Text1");
    pupil.type("x"); // gives the chalk box back
    newItem(8);
    EXPECT_EQ(number.backColor(), 0x00000080u);
    EXPECT_EQ(box.backColor(), 0x00C00000u); // the answer 9, blue
    EXPECT_EQ(box.foreColor(), colours::White);
    pupil.type("x");
    newItem(1);
    EXPECT_EQ(number.backColor(), colours::White);
    EXPECT_EQ(number.foreColor(), colours::ButtonText);
    EXPECT_EQ(box.backColor(), 0x000000FFu);
}

TEST_F(FrameTest, TheScoreStartsAgainAfterItem98) {
    openWith(3);
    pupil.clickInto("Text1");
    pupil.type("4");
    for (int i = 2; i <= 98; ++i) {
        newItem(3);
        pupil.type("x"); // gives the chalk box back
    }
    EXPECT_EQ(pupil.caption("Label8"), "98");
    EXPECT_EQ(pupil.caption("Label4"), "1");
    newItem(3);
    EXPECT_EQ(pupil.caption("Label8"), "1");
    EXPECT_EQ(pupil.caption("Label4"), "0");
    pupil.type("4");
    EXPECT_EQ(pupil.caption("Label4"), "1");
}

TEST_F(FrameTest, LinksZeroTheScoreAndLeaveOneWindow) {
    openWith(3);
    pupil.clickInto("Text1");
    pupil.type("4");
    pupil.click("Label15");
    EXPECT_EQ(pupil.loadedCount(), 1);
    EXPECT_EQ(pupil.current().number(), 2);
    pupil.click("Label11"); // "Trova il numero successivo"
    EXPECT_EQ(pupil.current().number(), 14);
    EXPECT_EQ(pupil.caption("Label4"), "");
    EXPECT_EQ(pupil.caption("Label8"), "");
    EXPECT_FALSE(pupil.enabled("Text1"));
    EXPECT_TRUE(pupil.visible("Image2") && pupil.visible("Image3"));
    newItem(5);
    EXPECT_EQ(pupil.caption("Label8"), "1");
    pupil.click("Label14");
    EXPECT_EQ(pupil.current().number(), 5);
    EXPECT_EQ(pupil.loadedCount(), 1);
}

TEST_F(FrameTest, TheSpongeEndsTheProgram) {
    openWith(3);
    pupil.click("Label10");
    EXPECT_EQ(pupil.services().ends, 1);
    EXPECT_EQ(pupil.loadedCount(), 0);
}

} // namespace
