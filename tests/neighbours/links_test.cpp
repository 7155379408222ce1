// Every neighbour drill: the links lead back to the menus, and coming back starts afresh.
#include "support/test_program.h"

#include <gtest/gtest.h>

using testing_support::Pupil;

namespace {

struct Drill {
    int window;
    int menu;             // the window's own menu
    const char* menuLink; // the entry of the main menu that opens that menu
    const char* entry;    // the menu's entry that opens the window
    const char* rightCountStart;
};

const Drill kDrills[] = {
    {14, 2, "Label1", "Label11", ""},  {15, 2, "Label1", "Label12", ""},
    {16, 2, "Label1", "Label13", ""},  {17, 2, "Label1", "Label23", ""},
    {37, 24, "Label2", "Label14", ""}, {38, 24, "Label2", "Label16", "0"},
    {39, 24, "Label2", "Label23", ""}, {40, 24, "Label2", "Label17", "0"},
};

TEST(NeighbourLinks, LeavingByEitherLinkAndComingBackStartsAfresh) {
    for (const Drill& d : kDrills) {
        for (const bool toMainMenu : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "Form" << d.window << (toMainMenu ? " main" : " sub"));
            Pupil pupil;
            pupil.services().free.emplace(d.window);
            pupil.open(d.window);
            pupil.click("Label9");
            pupil.clickInto("Text1");
            pupil.type("1");
            ASSERT_EQ(pupil.caption("Label8"), "1");
            pupil.click(toMainMenu ? "Label14" : "Label15");
            ASSERT_EQ(pupil.loadedCount(), 1);
            ASSERT_EQ(pupil.current().number(), toMainMenu ? 5 : d.menu);
            if (toMainMenu)
                pupil.click(d.menuLink);
            pupil.click(d.entry);
            ASSERT_EQ(pupil.current().number(), d.window);
            EXPECT_EQ(pupil.caption("Label8"), "");
            EXPECT_EQ(pupil.caption("Label4"), d.rightCountStart);
            for (const char* box : {"Text1", "Text2"}) {
                if (!pupil.current().window()->find(box))
                    continue;
                EXPECT_FALSE(pupil.enabled(box)) << box;
                EXPECT_EQ(pupil.text(box), "") << box;
            }
            for (const char* face : {"Image1", "Image2", "Image3"})
                EXPECT_TRUE(pupil.visible(face)) << face;
            pupil.click("Label9");
            EXPECT_EQ(pupil.caption("Label8"), "1");
        }
    }
}

} // namespace
