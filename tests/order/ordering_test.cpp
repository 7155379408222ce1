// Putting ten dealt numbers in order by clicking the tiles, up to 10 and up to 20.
#include "support/test_program.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <vector>

using platform::Label;
using testing_support::Pupil;

namespace {

QString tileName(int tile) {
    return QStringLiteral("Label%1").arg(tile == 0 ? 10 : tile);
}

QPoint topRowPlace(int tile) {
    return {840 + 960 * tile, 1440};
}

QPoint slotPlace(int slot) {
    return {960 * slot, 3840};
}

struct Ordering {
    explicit Ordering(int window) : k(window > 30 ? 20 : 10) { pupil.open(window); }

    // Scripts the draws (repeats included) and clicks the chalk box.
    void deal(std::initializer_list<int> draws) {
        for (int v : draws)
            pupil.services().script.push_back(Pupil::pick(v, k));
        pupil.click("Label12");
    }
    Label& tile(int i) { return pupil.current().label(tileName(i)); }
    QPoint at(int i) { return {tile(i).left(), tile(i).top()}; }
    // The tile showing `number`, found the way the pupil finds it: by reading the tiles.
    int tileShowing(int number) {
        for (int i = 0; i < 10; ++i)
            if (tile(i).caption() == QString::number(number))
                return i;
        ADD_FAILURE() << "no tile shows " << number;
        return 0;
    }
    void place(std::vector<int> numbers) {
        for (int n : numbers)
            pupil.click(tileName(tileShowing(n)));
    }
    // Every tile still in the top row, clicked in the asked order.
    void placeTheRest(bool ascending) {
        std::vector<int> waiting;
        for (int i = 0; i < 10; ++i)
            if (at(i) == topRowPlace(i))
                waiting.push_back(tile(i).caption().toInt());
        std::sort(waiting.begin(), waiting.end());
        if (!ascending)
            std::reverse(waiting.begin(), waiting.end());
        place(waiting);
    }
    void check() { pupil.click("Label16"); }
    bool allInTopRow() {
        for (int i = 0; i < 10; ++i)
            if (at(i) != topRowPlace(i))
                return false;
        return true;
    }

    int k;
    Pupil pupil;
};

TEST(OrderingUpTo10, BeforeTheFirstDealOnlyTheChalkBoxDeals) {
    Ordering o(12);
    Pupil& p = o.pupil;
    EXPECT_EQ(p.face(), "none");
    for (const char* hidden : {"Label15", "Label16", "Label17"})
        EXPECT_FALSE(p.visible(hidden)) << hidden;
    EXPECT_EQ(p.caption("Label20"), "");
    EXPECT_EQ(p.caption("Label23"), "");
    p.click(tileName(4));
    EXPECT_EQ(o.at(4), topRowPlace(4));
    EXPECT_EQ(o.tile(4).caption(), "");

    // Repeats are drawn again, from one reseeding: 3, then 0 after a 3, then 7 after 0 and 3.
    o.deal({3, 3, 0, 0, 3, 7, 1, 2, 4, 5, 6, 8, 9});
    EXPECT_TRUE(p.services().script.empty());
    EXPECT_EQ(p.services().randomizeCalls, 1);
    const char* shown[] = {"3", "0", "7", "1", "2", "4", "5", "6", "8", "9"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(o.tile(i).caption(), shown[i]) << "tile " << i;
    EXPECT_TRUE(o.allInTopRow());
    EXPECT_EQ(p.face(), "neutral");
    EXPECT_EQ(p.caption("Label23"), "1");
    for (const char* shownNow : {"Label15", "Label16", "Label17"})
        EXPECT_TRUE(p.visible(shownNow)) << shownNow;
    EXPECT_FALSE(p.enabled("Label16"));
    EXPECT_FALSE(p.enabled("Label15"));
    p.click("Label12"); // no new item before a check (a draw would fail: the script is empty)
    EXPECT_EQ(p.caption("Label23"), "1");
}

TEST(OrderingUpTo10, EachTileGoesToTheNextSlotOnceAndTheRowIsJudged) {
    Ordering o(12);
    Pupil& p = o.pupil;
    o.deal({5, 2, 8, 0, 9, 1, 7, 3, 6, 4});
    o.place({5, 2});
    EXPECT_EQ(o.at(o.tileShowing(5)), slotPlace(1));
    EXPECT_EQ(o.at(o.tileShowing(2)), slotPlace(2));
    EXPECT_TRUE(p.enabled("Label16"));
    // A placed tile lies under the answer row's frame: clicking it changes nothing.
    o.place({5, 0});
    EXPECT_EQ(o.at(o.tileShowing(5)), slotPlace(1));
    EXPECT_EQ(o.at(o.tileShowing(0)), slotPlace(3));

    // Three placed, none in its slot: wrong, and the item's first check.
    o.check();
    EXPECT_EQ(p.face(), "sad");
    EXPECT_EQ(p.services().beeps, 1);
    EXPECT_TRUE(p.enabled("Label15"));
    EXPECT_FALSE(p.enabled("Label16"));
    EXPECT_TRUE(p.enabled("Label12"));

    p.click("Label15");
    EXPECT_TRUE(o.allInTopRow());
    EXPECT_EQ(o.tile(0).caption(), "5"); // the same numbers
    EXPECT_EQ(p.face(), "neutral");
    EXPECT_FALSE(p.enabled("Label15"));
    EXPECT_FALSE(p.enabled("Label16"));
    o.place({0, 1, 2});
    o.check();
    EXPECT_EQ(p.services().beeps, 2);
    // The other seven, right: the row is right, but the item's first check was wrong.
    // "RICOMINCIA" stays as the wrong check left it.
    o.placeTheRest(true);
    o.check();
    EXPECT_EQ(p.face(), "smiling");
    EXPECT_EQ(p.services().beeps, 2);
    EXPECT_EQ(p.caption("Label20"), "");
    EXPECT_TRUE(p.enabled("Label15"));

    // Right at the first check.
    o.deal({9, 8, 7, 6, 5, 4, 3, 2, 1, 0});
    EXPECT_TRUE(o.allInTopRow());
    EXPECT_EQ(p.face(), "neutral");
    o.placeTheRest(true);
    o.check();
    EXPECT_EQ(p.face(), "smiling");
    EXPECT_EQ(p.caption("Label20"), "1");
    EXPECT_EQ(p.caption("Label23"), "2");
    EXPECT_FALSE(p.enabled("Label15"));

    // One pair swapped is wrong.
    o.deal({0, 1, 2, 3, 4, 5, 6, 7, 8, 9});
    o.place({0, 1, 2, 3, 4, 5, 6, 7, 9, 8});
    o.check();
    EXPECT_EQ(p.face(), "sad");
    EXPECT_EQ(p.caption("Label20"), "1");

    Ordering down(13);
    down.deal({4, 7, 1, 0, 9, 2, 8, 3, 6, 5});
    down.placeTheRest(false);
    down.check();
    EXPECT_EQ(down.pupil.face(), "smiling");
    EXPECT_EQ(down.pupil.caption("Label20"), "1");
}

TEST(OrderingUpTo20, TheOrderIsNumericAndTheInstructionShowsWhilePlacing) {
    Ordering o(35);
    Pupil& p = o.pupil;
    EXPECT_EQ(p.caption("Label20"), "0");
    EXPECT_FALSE(p.visible("Label17"));

    // The largest Rnd still draws 19; repeats are drawn again.
    p.services().script.push_back(0.999999);
    o.deal({3, 17, 0, 12, 3, 5, 9, 9, 12, 19, 1, 14, 8});
    EXPECT_TRUE(p.services().script.empty());
    const char* shown[] = {"19", "3", "17", "0", "12", "5", "9", "1", "14", "8"};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(o.tile(i).caption(), shown[i]) << "tile " << i;
    EXPECT_TRUE(p.visible("Label17"));

    // Sorted as texts, "12" would come before "3": wrong.
    o.place({0, 1, 12, 14, 17, 19, 3, 5, 8, 9});
    o.check();
    EXPECT_EQ(p.face(), "sad");
    EXPECT_FALSE(p.visible("Label17"));
    p.click("Label15");
    EXPECT_TRUE(p.visible("Label17"));

    o.deal({3, 17, 0, 12, 5, 9, 19, 1, 14, 8});
    o.place({0, 1, 3, 5, 8, 9, 12, 14, 17, 19});
    o.check();
    EXPECT_EQ(p.face(), "smiling");
    EXPECT_FALSE(p.visible("Label17"));
    EXPECT_EQ(p.caption("Label20"), "1");

    Ordering down(36);
    down.deal({3, 17, 0, 12, 5, 9, 19, 1, 14, 8});
    down.place({19, 17, 14, 12, 9, 8, 5, 3, 1, 0});
    down.check();
    EXPECT_EQ(down.pupil.face(), "smiling");
    EXPECT_EQ(down.pupil.caption("Label20"), "1");
}

// The run starts again at the 99th item: it is item 1 and "ESATTI" shows "0" at once.
TEST(OrderingScore, TheNinetyNinthItemStartsANewRun) {
    for (const int window : {12, 35}) {
        SCOPED_TRACE(testing::Message() << "Form" << window);
        Ordering o(window);
        Pupil& p = o.pupil;
        p.services().free.emplace(window);
        p.click("Label12");
        o.placeTheRest(true);
        o.check();
        ASSERT_EQ(p.caption("Label20"), "1");
        for (int item = 2; item <= 98; ++item) {
            p.click("Label12");
            p.click(tileName(item % 10));
            o.check();
        }
        ASSERT_EQ(p.caption("Label23"), "98");
        p.click("Label12");
        EXPECT_EQ(p.caption("Label23"), "1");
        EXPECT_EQ(p.caption("Label20"), "0");
        o.placeTheRest(true);
        o.check();
        EXPECT_EQ(p.caption("Label20"), "1");
    }
}

TEST(OrderingLinks, LeavingAndComingBackStartsAfresh) {
    struct Window {
        int number, menu;
        const char *menuEntry, *entry, *rightCountStart;
    };
    const Window windows[] = {{12, 2, "Label1", "Label21", ""},
                              {13, 2, "Label1", "Label22", ""},
                              {35, 24, "Label2", "Label21", "0"},
                              {36, 24, "Label2", "Label22", "0"}};
    for (const Window& w : windows) {
        for (const bool toMainMenu : {true, false}) {
            SCOPED_TRACE(testing::Message()
                         << "Form" << w.number << (toMainMenu ? " main" : " sub"));
            Ordering o(w.number);
            Pupil& p = o.pupil;
            p.services().free.emplace(w.number);
            p.click("Label12");
            o.placeTheRest(w.number == 12 || w.number == 35);
            o.check();
            ASSERT_EQ(p.caption("Label20"), "1");
            p.click(toMainMenu ? "Label25" : "Label26");
            ASSERT_EQ(p.loadedCount(), 1);
            ASSERT_EQ(p.current().number(), toMainMenu ? 5 : w.menu);
            if (toMainMenu)
                p.click(w.menuEntry);
            p.click(w.entry);
            ASSERT_EQ(p.current().number(), w.number);
            EXPECT_EQ(p.caption("Label20"), w.rightCountStart);
            EXPECT_EQ(p.caption("Label23"), "");
            EXPECT_EQ(p.face(), "none");
            EXPECT_FALSE(p.visible("Label16"));
            for (int i = 0; i < 10; ++i) {
                EXPECT_EQ(o.tile(i).caption(), "");
                EXPECT_EQ(o.at(i), topRowPlace(i));
            }
            p.click("Label12");
            EXPECT_EQ(p.caption("Label23"), "1");
        }
    }
}

} // namespace
