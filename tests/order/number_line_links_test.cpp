// Both number lines: the links lead back to the menus, and coming back starts afresh.
#include "support/test_program.h"

#include <gtest/gtest.h>

using testing_support::Pupil;

namespace {

struct Line {
    int window;
    int menu;             // the window's own menu
    const char* menuLink; // the entry of the main menu that opens that menu
    const char* entry;    // the menu's entry that opens the window
    const char* rightCountStart;
};

TEST(NumberLineLinks, LeavingByEitherLinkAndComingBackStartsAfresh) {
    for (const Line& l :
         {Line{11, 2, "Label1", "Label9", ""}, Line{34, 24, "Label2", "Label13", "0"}}) {
        for (const bool toMainMenu : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "Form" << l.window << (toMainMenu ? " main" : " sub"));
            Pupil pupil;
            pupil.services().free.emplace(l.window);
            pupil.open(l.window);
            pupil.click("Label2");
            ASSERT_EQ(pupil.caption("Label20"), "1");
            pupil.click(toMainMenu ? "Label22" : "Label23");
            ASSERT_EQ(pupil.loadedCount(), 1);
            ASSERT_EQ(pupil.current().number(), toMainMenu ? 5 : l.menu);
            if (toMainMenu)
                pupil.click(l.menuLink);
            pupil.click(l.entry);
            ASSERT_EQ(pupil.current().number(), l.window);
            EXPECT_EQ(pupil.caption("Label20"), "");
            EXPECT_EQ(pupil.caption("Label17"), l.rightCountStart);
            EXPECT_FALSE(pupil.visible("Text1"));
            EXPECT_EQ(pupil.face(), "none");
            EXPECT_FALSE(pupil.enabled("Label14"));
            pupil.click("Label2");
            EXPECT_EQ(pupil.caption("Label20"), "1");
        }
    }
}

} // namespace
