// From the number to its units, up to 10, as the pupil clicks the squares in.
#include "platform/colour.h"
#include "platform/twips.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::centreOf;
using testing_support::Pupil;

namespace {

// A point inside the white square the units are drawn in, in pixels.
const QPoint kInside(650, 200);

class Form4Test : public ::testing::Test {
protected:
    // Draws Int(Rnd * 9 + 1).
    void newItem(int n) {
        pupil.script({Pupil::pick(n - 1, 9)});
        pupil.click("Label2");
    }
    void clicks(int n, Qt::MouseButton button = Qt::LeftButton) {
        for (int i = 0; i < n; ++i)
            pupil.clickAt(kInside, button);
    }
    // How many unit squares the pupil sees; they always fill the grid in order.
    int squares() {
        int shown = 0;
        for (int n = 1; n <= 9; ++n)
            if (pupil.visible(QStringLiteral("Shape%1").arg(n)))
                shown = shown == n - 1 ? n : -1;
        return shown;
    }
    Label& number(const char* name) { return pupil.current().label(name); }
    Pupil pupil;
};

TEST_F(Form4Test, ClicksInTheSquareAddTakeAwayAndWrap) {
    pupil.open(4);
    EXPECT_EQ(pupil.face(), "none");
    EXPECT_EQ(squares(), 0);
    // Before the first item the squares come and go, but there is nothing to check.
    clicks(2);
    EXPECT_EQ(squares(), 2);
    EXPECT_FALSE(pupil.enabled("Label4"));

    newItem(9);
    EXPECT_EQ(pupil.caption("Label7"), "NOVE");
    EXPECT_EQ(number("Label6").backColor(), 0x00C00000u); // blue
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(squares(), 0);
    EXPECT_FALSE(pupil.enabled("Label2"));
    EXPECT_FALSE(pupil.enabled("Label4"));

    clicks(1, Qt::RightButton); // none stays none
    EXPECT_EQ(squares(), 0);
    EXPECT_TRUE(pupil.enabled("Label4"));
    clicks(9);
    EXPECT_EQ(squares(), 9);
    clicks(1); // one past nine starts again from none
    EXPECT_EQ(squares(), 0);
    clicks(3);
    clicks(1, Qt::RightButton);
    clicks(1, Qt::MiddleButton);
    EXPECT_EQ(squares(), 2);

    // The square's own edges are not inside it; the squares drawn are.
    for (const QPoint edge : {QPoint(toPixels(8880), 200), QPoint(toPixels(11535), 200),
                              QPoint(650, toPixels(1920)), QPoint(650, toPixels(4575))})
        pupil.clickAt(edge);
    EXPECT_EQ(squares(), 2);
    pupil.clickAt(centreOf(pupil.current().control("Shape1")));
    EXPECT_EQ(squares(), 3);

    // Every press counts, however fast: two double clicks are four presses.
    clicks(3, Qt::RightButton);
    pupil.doubleClickAt(kInside);
    pupil.doubleClickAt(kInside);
    EXPECT_EQ(squares(), 4);
    pupil.doubleClickAt(kInside, Qt::RightButton);
    EXPECT_EQ(squares(), 2);
    EXPECT_EQ(pupil.services().beeps, 0);
}

TEST_F(Form4Test, CheckScoresTheFirstCheckOnlyAndTheRunStartsAgainAt99) {
    pupil.open(4);
    EXPECT_EQ(pupil.caption("Label12"), "0");
    newItem(1);
    EXPECT_EQ(number("Label6").foreColor(), colours::ButtonText);
    clicks(1);
    pupil.click("Label4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_FALSE(pupil.enabled("Label4"));
    EXPECT_TRUE(pupil.enabled("Label2"));

    // Wrong at first, right at the second check: not counted, "ESATTI" written again.
    newItem(3);
    clicks(2);
    pupil.click("Label4");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    number("Label12").setCaption("?");
    clicks(1, Qt::MiddleButton); // any click in the square gives the check back
    EXPECT_TRUE(pupil.enabled("Label4"));
    clicks(1);
    pupil.click("Label4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.caption("Label22"), "2");

    for (int i = 3; i <= 98; ++i) {
        newItem(2);
        clicks(2);
        pupil.click("Label4");
    }
    EXPECT_EQ(pupil.caption("Label12"), "97");
    newItem(2);
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(pupil.caption("Label12"), "0");
}

TEST_F(Form4Test, LinksStartAfreshAndTheSpongeEnds) {
    pupil.open(4);
    for (const char* link : {"Label14", "Label15"}) {
        newItem(6);
        clicks(6);
        pupil.click("Label4");
        pupil.click(link);
        ASSERT_EQ(pupil.loadedCount(), 1);
        if (pupil.current().number() == 5)
            pupil.click("Label1");
        ASSERT_EQ(pupil.current().number(), 2);
        pupil.click("Label3"); // "Dal numero in lettere e in cifre alle unità"
        ASSERT_EQ(pupil.current().number(), 4);
        EXPECT_EQ(pupil.caption("Label6"), "");
        EXPECT_EQ(pupil.caption("Label12"), "0");
        EXPECT_EQ(pupil.caption("Label22"), "");
        EXPECT_EQ(pupil.face(), "none");
        EXPECT_EQ(squares(), 0);
    }
    pupil.click("Label3");
    EXPECT_EQ(pupil.services().ends, 1);
}

} // namespace
