// Every operation drill: the links zero the score and lead back to the menus, and coming
// back finds the item hidden again.
#include "support/test_program.h"

#include <gtest/gtest.h>

using testing_support::Pupil;

namespace {

struct Drill {
    int window;
    int menu;             // the window's own menu
    const char* menuLink; // the entry of the main menu that opens that menu
    const char* entry;    // the menu's entry that opens the window
};

const Drill kDrills[] = {
    {18, 2, "Label1", "Label14"},  {19, 2, "Label1", "Label16"},  {20, 2, "Label1", "Label15"},
    {21, 2, "Label1", "Label17"},  {22, 2, "Label1", "Label18"},  {23, 2, "Label1", "Label24"},
    {41, 24, "Label2", "Label19"}, {42, 24, "Label2", "Label18"}, {43, 24, "Label2", "Label24"},
};

// The answer to the operation on the board.
QString answerShown(Pupil& pupil) {
    const int first = pupil.caption("Label3").toInt(), second = pupil.caption("Label5").toInt();
    return QString::number(pupil.caption("Label4") == "+" ? first + second : first - second);
}

TEST(OperationLinks, LeavingByEitherLinkAndComingBackStartsAfresh) {
    for (const Drill& d : kDrills) {
        for (const bool toMainMenu : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "Form" << d.window << (toMainMenu ? " main" : " sub"));
            Pupil pupil;
            pupil.services().free.emplace(d.window);
            pupil.open(d.window);
            pupil.click("Label1");
            pupil.clickInto("Text1");
            pupil.type(answerShown(pupil));
            ASSERT_EQ(pupil.face(), "smiling");
            ASSERT_EQ(pupil.caption("Label22"), "1");
            ASSERT_EQ(pupil.caption("Label12"), "1");
            pupil.click(toMainMenu ? "Label14" : "Label15");
            ASSERT_EQ(pupil.loadedCount(), 1);
            ASSERT_EQ(pupil.current().number(), toMainMenu ? 5 : d.menu);
            if (toMainMenu)
                pupil.click(d.menuLink);
            pupil.click(d.entry);
            ASSERT_EQ(pupil.current().number(), d.window);
            for (const char* hidden : {"Text1", "Label3", "Label12", "Label22", "Image1"})
                EXPECT_FALSE(pupil.visible(hidden)) << hidden;
            pupil.click("Label1");
            EXPECT_EQ(pupil.caption("Label12"), "");
            EXPECT_EQ(pupil.caption("Label13"), "");
            pupil.clickInto("Text1");
            pupil.type("x");
            pupil.type("0");
            EXPECT_EQ(pupil.caption("Label22"), "1");
        }
    }
    Pupil pupil;
    pupil.open(18);
    pupil.click("Label2");
    EXPECT_EQ(pupil.services().ends, 1);
}

} // namespace
