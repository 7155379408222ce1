// Making ten with rods, as the pupil meets it.
#include "platform/twips.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kBlue = 0x00C00000;

QRect pixels(int left, int top, int width, int height) {
    const int x = toPixels(left), y = toPixels(top);
    return QRect(x, y, toPixels(left + width) - x, toPixels(top + height) - y);
}

class MakeTenWithRods : public ::testing::Test {
protected:
    void SetUp() override { pupil.open(25); }
    // Asks for an item giving `units` (1 to 9).
    void newItem(int units) {
        pupil.script({Pupil::pick(units - 1, 10)});
        pupil.click("Label1");
    }
    const std::vector<Mark>& marks() { return pupil.current().window()->marks(); }
    QPoint placeOf(const char* name) {
        const Control& c = pupil.current().control(name);
        return {c.left(), c.top()};
    }
    Pupil pupil;
};

TEST_F(MakeTenWithRods, BeforeTheFirstItemOnlyTheTitleLinksAndSpotsShow) {
    for (const char* name : {"Label10", "Label12", "Label3", "Label4", "Label5", "Label20",
                             "Label22", "Image1", "Image2", "Image3", "Text1"})
        EXPECT_FALSE(pupil.visible(name)) << name;
    for (const char* name : {"Label6", "Label8", "Label9", "Label7", "Label1", "Label2"})
        EXPECT_TRUE(pupil.visible(name)) << name;
    EXPECT_TRUE(marks().empty());
    // The first item shows the ten-rod and the score words; "SU" waits for a digit key-up.
    newItem(4);
    for (const char* name : {"Label10", "Label3", "Label4", "Label20", "Text1"})
        EXPECT_TRUE(pupil.visible(name)) << name;
    EXPECT_EQ(pupil.caption("Label4"), "10 = 1 da");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(pupil.caption("Label22"), "");
    EXPECT_FALSE(pupil.enabled("Label1"));
    pupil.click("Label2"); // the sponge
    EXPECT_EQ(pupil.services().ends, 1);
}

TEST_F(MakeTenWithRods, TheGivenRodTheOutlinedGapAndTheBoxLineUpUnderTheTen) {
    newItem(1);
    ASSERT_EQ(marks().size(), 2u);
    EXPECT_EQ(marks()[0].area, pixels(500, 3000, 855, 855));
    EXPECT_EQ(marks()[0].style, BoxStyle::Filled);
    EXPECT_EQ(marks()[0].colour, kWhite);
    EXPECT_EQ(marks()[1].area, pixels(1355, 3000, 9 * 855, 855));
    EXPECT_EQ(marks()[1].style, BoxStyle::Outlined);
    EXPECT_EQ(marks()[1].colour, kBlue);
    EXPECT_EQ(marks()[1].fillColour, kBlue);
    EXPECT_EQ(marks()[1].fillStyle, 6);
    EXPECT_EQ(pupil.caption("Label5"), "1");
    // Half twips go to the nearest whole twip, once.
    EXPECT_EQ(placeOf("Label5"), QPoint(478, 4000));
    EXPECT_EQ(placeOf("Text1"), QPoint(4803, 4000));

    // Each new item takes the previous boxes away.
    pupil.clickInto("Text1");
    pupil.type("9");
    newItem(9);
    ASSERT_EQ(marks().size(), 2u);
    EXPECT_EQ(marks()[0].area, pixels(500, 3000, 9 * 855, 855));
    EXPECT_EQ(marks()[0].colour, kBlue);
    EXPECT_EQ(marks()[1].area, pixels(8195, 3000, 855, 855));
    EXPECT_EQ(marks()[1].style, BoxStyle::Outlined);
    EXPECT_EQ(marks()[1].colour, kWhite);
    EXPECT_EQ(placeOf("Label5"), QPoint(3898, 4000));
    EXPECT_EQ(placeOf("Text1"), QPoint(8223, 4000));
    EXPECT_EQ(pupil.caption("Label5"), "9");
    EXPECT_EQ(pupil.text("Text1"), "");
}

TEST_F(MakeTenWithRods, TheDrawReseedsBeforeEveryRedraw) {
    // A 10 is drawn again, after a fresh Randomize.
    pupil.script({0.95, Pupil::pick(6, 10)});
    pupil.click("Label1");
    EXPECT_EQ(pupil.caption("Label5"), "7");
    EXPECT_EQ(pupil.services().randomizeCalls, 2);
}

TEST_F(MakeTenWithRods, OnlyADigitKeyUpCountsTheItemAndGivesTheChalkBoxBack) {
    newItem(7);
    pupil.clickInto("Text1");
    pupil.type("a");
    EXPECT_FALSE(pupil.enabled("Label1")); // a key press alone does not free it
    EXPECT_EQ(pupil.caption("Label22"), "");
    pupil.type("5");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_TRUE(pupil.enabled("Label1"));
    pupil.type("3");
    EXPECT_EQ(pupil.text("Text1"), "3");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), ""); // right only at the second try

    newItem(2);
    EXPECT_EQ(pupil.caption("Label22"), "1"); // written at the key-up
    pupil.pressKeypad(8);
    EXPECT_EQ(pupil.caption("Label22"), "2");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    // A right answer swallows every key; a digit key-up is judged again and scores nothing.
    pupil.type("\b4");
    EXPECT_EQ(pupil.text("Text1"), "8");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.services().beeps, 1);
}

TEST_F(MakeTenWithRods, TheWrapStartsANewRunAndTheLinksZeroTheScore) {
    for (int item = 1; item <= 98; ++item) {
        newItem(5);
        if (item == 1)
            pupil.clickInto("Text1");
        pupil.type("5");
    }
    EXPECT_EQ(pupil.caption("Label22"), "98");
    EXPECT_EQ(pupil.caption("Label12"), "98");
    newItem(5);
    EXPECT_EQ(pupil.caption("Label12"), "0"); // zeroed at once
    pupil.type("4");
    EXPECT_EQ(pupil.caption("Label22"), "1"); // the wrapping item is the first of the run
    EXPECT_EQ(pupil.caption("Label12"), "0");
    newItem(5);
    pupil.type("5");
    EXPECT_EQ(pupil.caption("Label12"), "1");

    pupil.click("Label8");
    ASSERT_EQ(pupil.current().number(), 24);
    pupil.click("Label3"); // "Con i regoli"
    ASSERT_EQ(pupil.current().number(), 25);
    EXPECT_FALSE(pupil.visible("Text1"));
    EXPECT_EQ(pupil.caption("Label12"), "");
    newItem(5);
    pupil.clickInto("Text1");
    pupil.type("5");
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    pupil.click("Label9");
    EXPECT_EQ(pupil.current().number(), 5);
}

} // namespace
