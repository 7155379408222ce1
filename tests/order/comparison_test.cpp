// Comparing two numbers with "<", "=" and ">", up to 10 and up to 20.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

constexpr Colour kRed = 0x000000FF;

struct Comparison {
    explicit Comparison(int window) : window(window) { pupil.open(window); }
    // Deals `left` and `right`.
    void deal(int left, int right) {
        if (window == 10)
            pupil.script({Pupil::pick(left - 1, 9), Pupil::pick(right - 1, 9)});
        else
            pupil.script({Pupil::pick(left, 20), Pupil::pick(right, 20)});
        pupil.click("Label1");
    }
    Colour fore(const char* name) { return pupil.current().label(name).foreColor(); }
    Colour back(const char* name) { return pupil.current().label(name).backColor(); }
    int window;
    Pupil pupil;
};

TEST(Comparison, NothingButANewItemBeforeTheFirstDeal) {
    for (int window : {10, 33}) {
        Comparison c(window);
        EXPECT_EQ(c.pupil.face(), "none");
        c.pupil.click("Label6");
        EXPECT_EQ(c.pupil.caption("Label22"), "");
        EXPECT_EQ(c.pupil.caption("Label12"), window == 10 ? "" : "0");
        EXPECT_EQ(c.pupil.services().beeps, 0);
    }
}

TEST(Comparison, TheFirstClickJudgesAndLaterClicksOnlyRewriteTheCount) {
    Comparison c(10);
    c.deal(3, 8);
    EXPECT_EQ(c.pupil.caption("Label3"), "3");
    EXPECT_EQ(c.pupil.caption("Label4"), "8");
    EXPECT_EQ(c.pupil.face(), "neutral");
    EXPECT_EQ(c.pupil.caption("Label22"), ""); // "SU" waits for a relation click
    EXPECT_FALSE(c.pupil.enabled("Label1"));
    c.pupil.click("Label5");
    EXPECT_EQ(c.pupil.face(), "smiling");
    EXPECT_EQ(c.fore("Label5"), kRed);
    EXPECT_EQ(c.pupil.caption("Label12"), "1");
    EXPECT_EQ(c.pupil.caption("Label22"), "1");
    EXPECT_TRUE(c.pupil.enabled("Label1"));
    c.pupil.click("Label7");
    EXPECT_EQ(c.pupil.face(), "smiling");
    EXPECT_EQ(c.fore("Label7"), colours::White);
    EXPECT_EQ(c.pupil.services().beeps, 0);

    // Equal numbers: "<" is wrong, and the next deal whitens the signs again.
    c.deal(5, 5);
    EXPECT_EQ(c.fore("Label5"), colours::White);
    c.pupil.click("Label5");
    EXPECT_EQ(c.pupil.face(), "sad");
    EXPECT_EQ(c.pupil.services().beeps, 1);
    EXPECT_EQ(c.fore("Label5"), kRed);
    c.pupil.click("Label6");
    EXPECT_EQ(c.pupil.face(), "sad");
    EXPECT_EQ(c.pupil.services().beeps, 1);
    EXPECT_EQ(c.pupil.caption("Label12"), "1");
    EXPECT_EQ(c.pupil.caption("Label22"), "2");

    // The count after "SU" moves on only with a relation click.
    c.deal(9, 2);
    EXPECT_EQ(c.pupil.caption("Label22"), "2");
    c.pupil.click("Label7");
    EXPECT_EQ(c.pupil.caption("Label22"), "3");
    EXPECT_EQ(c.pupil.caption("Label12"), "2");
}

TEST(Comparison, UpToTenTheNumbersWearTheirColours) {
    Comparison c(10);
    c.deal(1, 8);
    EXPECT_EQ(c.back("Label3"), colours::White);
    EXPECT_EQ(c.fore("Label3"), colours::ButtonText);
    EXPECT_EQ(c.back("Label4"), 0x00000080u);
    EXPECT_EQ(c.fore("Label4"), colours::White);
    // Up to 20 the numbers keep the design's black on peach.
    Comparison d(33);
    d.deal(0, 19);
    EXPECT_EQ(d.pupil.caption("Label3"), "0");
    EXPECT_EQ(d.pupil.caption("Label4"), "19");
    EXPECT_EQ(d.back("Label3"), colours::Peach);
    EXPECT_EQ(d.fore("Label4"), colours::Black);
    d.pupil.click("Label5");
    EXPECT_EQ(d.pupil.face(), "smiling");
}

// Deals and answers `n` items right at the first click.
void answerRight(Comparison& c, int n) {
    for (int i = 0; i < n; ++i) {
        c.deal(2, 4);
        c.pupil.click("Label5");
    }
}

TEST(Comparison, TheNinetyNinthItemStartsANewRun) {
    // Up to 10 the score goes blank at the wrap and comes back at the next click.
    Comparison c(10);
    answerRight(c, 98);
    EXPECT_EQ(c.pupil.caption("Label22"), "98");
    c.deal(4, 2);
    EXPECT_EQ(c.pupil.caption("Label22"), "");
    EXPECT_EQ(c.pupil.caption("Label12"), "");
    c.pupil.click("Label7");
    EXPECT_EQ(c.pupil.caption("Label22"), "1");
    EXPECT_EQ(c.pupil.caption("Label12"), "1");

    // Up to 20 the zeroed right answers show "0" at once, never above "SU".
    Comparison d(33);
    answerRight(d, 98);
    d.deal(4, 2);
    EXPECT_EQ(d.pupil.caption("Label12"), "0");
    d.pupil.click("Label5");
    EXPECT_EQ(d.pupil.caption("Label22"), "1");
    EXPECT_EQ(d.pupil.caption("Label12"), "0");
}

TEST(Comparison, LeavingAndComingBackStartsAfresh) {
    for (const char* link : {"Label14", "Label15"}) {
        Comparison c(33);
        c.deal(7, 7);
        c.pupil.click("Label6");
        c.pupil.click(link);
        if (c.pupil.current().number() == 5)
            c.pupil.click("Label2");
        ASSERT_EQ(c.pupil.current().number(), 24);
        c.pupil.click("Label12");
        ASSERT_EQ(c.pupil.current().number(), 33);
        EXPECT_EQ(c.pupil.caption("Label12"), "0");
        EXPECT_EQ(c.pupil.face(), "none");
        c.deal(1, 7);
        c.pupil.click("Label7");
        EXPECT_EQ(c.pupil.caption("Label22"), "1");
        EXPECT_EQ(c.pupil.caption("Label12"), "0");
    }
}

} // namespace
