// How the other one-answer neighbour drills depart from the frame.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

// Opens `window` and asks for an item; `rnd` is the scripted draw.
struct Drill {
    Drill(int window, std::initializer_list<double> rnd) {
        pupil.open(window);
        ask(rnd);
        pupil.clickInto("Text1");
    }
    void ask(std::initializer_list<double> rnd) {
        pupil.script(rnd);
        pupil.click("Label9");
    }
    Colour back(const char* control) {
        Control& c = pupil.current().control(control);
        if (auto* box = dynamic_cast<TextBox*>(&c))
            return box->backColor();
        return dynamic_cast<Label&>(c).backColor();
    }
    Pupil pupil;
};

// Int(Rnd * 9 + 1) = n
double plusOne(int n, int k) {
    return Pupil::pick(n - 1, k);
}

TEST(PreviousUpTo10, AnswerComesFirstAndWearsTheColourOfTheNumberBefore) {
    Drill d(15, {plusOne(1, 9)});
    EXPECT_EQ(d.pupil.caption("Label2"), "1");
    EXPECT_EQ(d.back("Text1"), colours::ButtonFace);
    EXPECT_EQ(d.pupil.current().textBox("Text1").foreColor(), colours::White);
    EXPECT_LT(d.pupil.current().textBox("Text1").left(), d.pupil.current().label("Label2").left());
    d.pupil.type("0");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");
    d.ask({plusOne(9, 9)});
    EXPECT_EQ(d.back("Label2"), 0x00C00000u);
    EXPECT_EQ(d.back("Text1"), 0x00000080u);
    d.pupil.type("9");
    EXPECT_EQ(d.pupil.face(), "sad");
    d.pupil.type("8");
    EXPECT_EQ(d.pupil.text("Text1"), "8");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");
}

TEST(MiddleUpTo10, EightIsDrawnAgainAndBothNumbersArePainted) {
    Drill d(16, {Pupil::pick(8, 9), Pupil::pick(7, 9)});
    EXPECT_EQ(d.pupil.caption("Label2"), "7");
    EXPECT_EQ(d.pupil.caption("Label12"), "9");
    EXPECT_EQ(d.back("Text1"), 0x00000080u);
    EXPECT_EQ(d.back("Label12"), 0x00C00000u);
    EXPECT_EQ(d.pupil.current().label("Label12").foreColor(), colours::White);
    d.pupil.type("8");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");
    d.ask({Pupil::pick(0, 9)});
    EXPECT_EQ(d.pupil.caption("Label12"), "2");
    EXPECT_EQ(d.back("Label2"), colours::ButtonFace);
    EXPECT_EQ(d.back("Text1"), colours::White);
    EXPECT_EQ(d.pupil.current().textBox("Text1").foreColor(), colours::Black);
    EXPECT_EQ(d.back("Label12"), 0x000000FFu);
}

TEST(FollowingUpTo20, TwoDigitAnswersAreJudgedWhenComplete) {
    Drill d(37, {Pupil::pick(9, 19)});
    EXPECT_EQ(d.pupil.caption("Label4"), "");
    EXPECT_EQ(d.back("Text1"), colours::Peach); // no colours up to 20
    d.pupil.type("1");
    EXPECT_EQ(d.pupil.face(), "neutral");
    EXPECT_FALSE(d.pupil.enabled("Label9")); // given back only by a judged answer
    d.pupil.type("0");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");
    EXPECT_TRUE(d.pupil.enabled("Label9"));
    // A frozen right answer: every further digit is swallowed, judged again, not scored.
    d.pupil.type("5");
    EXPECT_EQ(d.pupil.text("Text1"), "10");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");

    d.ask({Pupil::pick(9, 19)});
    d.pupil.type("2");
    EXPECT_EQ(d.pupil.services().beeps, 0);
    d.pupil.type("5");
    EXPECT_EQ(d.pupil.text("Text1"), "25");
    EXPECT_EQ(d.pupil.face(), "sad");
    EXPECT_EQ(d.pupil.services().beeps, 1);
    d.pupil.type("10");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.pupil.caption("Label4"), "1"); // the first full answer was wrong
    EXPECT_EQ(d.pupil.caption("Label8"), "2");
}

TEST(PreviousUpTo20, ScoreShowsZeroAndOneDigitAnswersAreJudgedAtOnce) {
    Drill d(38, {plusOne(10, 20)});
    EXPECT_EQ(d.pupil.caption("Label2"), "10");
    EXPECT_EQ(d.pupil.caption("Label4"), "0");
    d.pupil.type("9");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");
    d.ask({plusOne(11, 20)});
    d.pupil.type("1");
    EXPECT_EQ(d.pupil.face(), "neutral");
    d.pupil.type("0");
    EXPECT_EQ(d.pupil.caption("Label4"), "2");
    d.ask({plusOne(1, 20)});
    d.pupil.type("0");
    EXPECT_EQ(d.pupil.caption("Label4"), "3");
    d.ask({plusOne(20, 20)});
    d.pupil.type("19");
    EXPECT_EQ(d.pupil.caption("Label4"), "4");
    // Leaving for the menu up to 20 and coming back starts from "0" again.
    d.pupil.click("Label15");
    EXPECT_EQ(d.pupil.current().number(), 24);
    d.pupil.click("Label16");
    EXPECT_EQ(d.pupil.caption("Label4"), "0");
    EXPECT_EQ(d.pupil.caption("Label8"), "");
    EXPECT_FALSE(d.pupil.enabled("Text1"));
}

TEST(MiddleUpTo20, AnyKeyGivesTheChalkBoxBack) {
    Drill d(40, {Pupil::pick(8, 18)});
    EXPECT_EQ(d.pupil.caption("Label2"), "8");
    EXPECT_EQ(d.pupil.caption("Label12"), "10");
    EXPECT_EQ(d.pupil.caption("Label4"), "0");
    d.pupil.type("9");
    EXPECT_EQ(d.pupil.caption("Label4"), "1");
    d.ask({Pupil::pick(9, 18)});
    d.pupil.type("x");
    EXPECT_EQ(d.pupil.text("Text1"), "");
    EXPECT_TRUE(d.pupil.enabled("Label9"));
    d.pupil.type("1");
    EXPECT_EQ(d.pupil.face(), "neutral");
    d.pupil.type("0");
    EXPECT_EQ(d.pupil.caption("Label4"), "2");
    d.ask({Pupil::pick(17, 18)});
    EXPECT_EQ(d.pupil.caption("Label12"), "19");
    d.pupil.type("18");
    EXPECT_EQ(d.pupil.caption("Label4"), "3");
    d.pupil.click("Label14");
    EXPECT_EQ(d.pupil.current().number(), 5);
}

} // namespace
