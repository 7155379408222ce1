// From the number to the abacus, up to 10 and up to 20, as the pupil drags the beads.
#include "assets/pictures.h"
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <QTest>

using namespace platform;
using testing_support::centreOf;
using testing_support::Pupil;

namespace {

// Points of the windows, in pixels: free of beads, or outside every drop zone.
const QPoint kStoreGap(100, 130); // in the units home row, left of the first bead
const QPoint kNoZone(400, 400);

// Where the pupil sees a bead: its Left and Top in twips.
using Place = std::pair<int, int>;
const int kUnitsRod = 9720, kTensRod = 9120;
Place slot(int rodLeft, int k) {
    return {rodLeft, 5400 - 480 * (k - 1)};
}
// Bead k of the units (1 to 9) is Image4 + k.
QString unit(int k) {
    return QStringLiteral("Image%1").arg(4 + k);
}
Place unitHome(int k) {
    const int lefts[] = {1800, 2520, 3240, 3960, 4680, 5400, 6240, 7080, 7800};
    return {lefts[k - 1], 2040};
}

class AbacusTest : public ::testing::Test {
protected:
    // Draws Int(Rnd * range + 1): up to 10 in Form7, up to 20 in Form30.
    void newItem(int n) {
        pupil.script({Pupil::pick(n - 1, pupil.current().number() == 7 ? 9 : 20)});
        pupil.click("Label2");
    }
    Place at(const QString& bead) {
        const Control& c = pupil.current().control(bead);
        return {c.left(), c.top()};
    }
    // Press, move and release with any button, from a bead to a point of the window.
    void dragTo(const QString& bead, QPoint to, Qt::MouseButton button = Qt::LeftButton) {
        QWidget* w = pupil.current().window();
        const QPoint from = centreOf(pupil.current().control(bead));
        QTest::mousePress(w, button, {}, from);
        QTest::mouseMove(w, (from + to) / 2);
        QTest::mouseMove(w, to);
        QTest::mouseRelease(w, button, {}, to);
    }
    void dragOnto(const QString& bead, const QString& other) {
        dragTo(bead, centreOf(pupil.current().control(other)));
    }
    void toUnitsRod(std::initializer_list<int> beads) {
        for (int k : beads)
            pupil.drag(unit(k), "Label4");
    }
    void check() { pupil.click("Label6"); }
    Pupil pupil;
};

TEST_F(AbacusTest, BeadsStackInTheirSlotsAndCloseUpInBeadOrder) {
    pupil.open(7);
    EXPECT_EQ(pupil.face(), "none");
    pupil.drag(unit(5), "Label4"); // no bead moves before the first item
    EXPECT_EQ(at(unit(5)), unitHome(5));

    newItem(3);
    EXPECT_EQ(pupil.caption("Label7"), "TRE");
    EXPECT_EQ(pupil.current().label("Label8").backColor(), 0x0080FF80u); // light green
    EXPECT_FALSE(pupil.enabled("Label6"));
    pupil.moveMouse(centreOf(pupil.current().control(unit(9))));
    EXPECT_EQ(pupil.current().window()->cursor().pixmap().cacheKey(),
              assets::cursor(assets::Pointer::OpenHand).pixmap().cacheKey());

    // Beads 5, 2, 7 stand in the slots they were dropped in, whatever the button.
    pupil.drag(unit(5), "Label4");
    EXPECT_TRUE(pupil.enabled("Label6"));
    pupil.drag(unit(2), "Label4", Qt::RightButton);
    pupil.drag(unit(7), "Label4", Qt::MiddleButton);
    EXPECT_EQ(at(unit(5)), slot(kUnitsRod, 1));
    EXPECT_EQ(at(unit(2)), slot(kUnitsRod, 2));
    EXPECT_EQ(at(unit(7)), slot(kUnitsRod, 3));
    // Dropped on its own rod again, or outside every zone: the bead stays.
    pupil.drag(unit(2), "Label4");
    dragTo(unit(7), kNoZone);
    dragTo(unit(1), kNoZone, Qt::RightButton);
    EXPECT_EQ(at(unit(2)), slot(kUnitsRod, 2));
    EXPECT_EQ(at(unit(7)), slot(kUnitsRod, 3));
    EXPECT_EQ(at(unit(1)), unitHome(1));

    // A home bead dropped on its row re-stacks the rod in bead order, counting nothing.
    dragTo(unit(1), kStoreGap);
    EXPECT_EQ(at(unit(1)), unitHome(1));
    EXPECT_EQ(at(unit(2)), slot(kUnitsRod, 1));
    EXPECT_EQ(at(unit(5)), slot(kUnitsRod, 2));
    EXPECT_EQ(at(unit(7)), slot(kUnitsRod, 3));

    // Taken off, a bead goes home and the others close up; a drop on a bead lying in a
    // zone reaches the zone beneath it.
    dragOnto(unit(2), unit(4));
    EXPECT_EQ(at(unit(2)), unitHome(2));
    EXPECT_EQ(at(unit(5)), slot(kUnitsRod, 1));
    dragOnto(unit(9), unit(7));
    EXPECT_EQ(at(unit(9)), slot(kUnitsRod, 3));

    // The eighth slot has the Top of the home row, but is on the rod all the same.
    toUnitsRod({1, 2, 3, 4, 6});
    EXPECT_EQ(at(unit(6)), slot(kUnitsRod, 8));
    dragTo(unit(6), kStoreGap);
    EXPECT_EQ(at(unit(6)), unitHome(6));
    EXPECT_EQ(at(unit(9)), slot(kUnitsRod, 7));
    toUnitsRod({6, 8});
    EXPECT_EQ(at(unit(8)), slot(kUnitsRod, 9));
    check();
    EXPECT_EQ(pupil.face(), "sad");
}

TEST_F(AbacusTest, CheckCountsTheRodAndScoresTheFirstCheckOnly) {
    pupil.open(7);
    newItem(4);
    toUnitsRod({1, 2, 3, 4, 5});
    dragTo(unit(5), kStoreGap);
    check();
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_TRUE(pupil.enabled("Label2"));
    EXPECT_TRUE(pupil.enabled("Label6")); // the same item may be checked again

    // "SU" is written by the check; wrong first, then right: "ESATTI" written, unchanged.
    newItem(9);
    EXPECT_EQ(at(unit(4)), unitHome(4));
    EXPECT_EQ(pupil.caption("Label22"), "1");
    toUnitsRod({9});
    check();
    EXPECT_EQ(pupil.caption("Label22"), "2");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    toUnitsRod({1, 2, 3, 4, 5, 6, 7, 8});
    pupil.current().label("Label12").setCaption("?");
    check();
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");

    for (int i = 3; i <= 98; ++i) {
        newItem(1);
        toUnitsRod({1});
        check();
    }
    EXPECT_EQ(pupil.caption("Label12"), "97");
    newItem(2);
    EXPECT_EQ(pupil.caption("Label12"), "0");
    EXPECT_EQ(pupil.caption("Label22"), "98");
    toUnitsRod({3, 4});
    check();
    EXPECT_EQ(pupil.caption("Label22"), "1");

    for (const char* link : {"Label14", "Label15"}) {
        pupil.click(link);
        if (pupil.current().number() == 5)
            pupil.click("Label1");
        pupil.click("Label5"); // "Dal numero in lettere e in cifre all'abaco"
        ASSERT_EQ(pupil.current().number(), 7);
        EXPECT_EQ(pupil.caption("Label12"), "");
        EXPECT_EQ(pupil.caption("Label22"), "");
        EXPECT_EQ(pupil.face(), "none");
        EXPECT_FALSE(pupil.enabled(unit(3)));
        newItem(2);
        toUnitsRod({1, 2});
        check();
        EXPECT_EQ(pupil.caption("Label22"), "1");
    }
}

TEST_F(AbacusTest, UpTo20EachKindOfBeadGoesOnlyOnItsOwnRodAndRow) {
    pupil.open(30);
    newItem(13);
    EXPECT_EQ(pupil.caption("Label7"), "TREDICI");
    EXPECT_EQ(pupil.current().label("Label8").backColor(), colours::Peach);
    // A ten bead is the first bead pressed, and is dropped on the units row: nothing at all.
    dragTo("Image15", kStoreGap);
    EXPECT_EQ(at("Image15"), Place(1800, 3120));
    EXPECT_FALSE(pupil.enabled("Label6"));

    pupil.drag("Image15", "Label15");
    pupil.drag("Image16", "Label15", Qt::RightButton);
    EXPECT_EQ(at("Image15"), slot(kTensRod, 1));
    EXPECT_EQ(at("Image16"), slot(kTensRod, 2));
    pupil.drag("Image15", "Label14"); // the other ten closes up to the bottom
    EXPECT_EQ(at("Image15"), Place(1800, 3120));
    EXPECT_EQ(at("Image16"), slot(kTensRod, 1));

    // A bead dropped on the rod of the other kind stays where it was.
    pupil.drag(unit(1), "Label15");
    EXPECT_EQ(at(unit(1)), unitHome(1));
    pupil.drag("Image15", "Label4");
    EXPECT_EQ(at("Image15"), Place(1800, 3120));

    // On the row of the other kind a bead moves nothing: neither itself nor the last bead
    // of that kind that was pressed.
    toUnitsRod({4, 8, 2});
    dragTo("Image16", kStoreGap);
    EXPECT_EQ(at("Image16"), slot(kTensRod, 1));
    EXPECT_EQ(at(unit(2)), slot(kUnitsRod, 3));
    dragTo(unit(8), centreOf(pupil.current().control("Label14")));
    EXPECT_EQ(at(unit(8)), slot(kUnitsRod, 2));
    EXPECT_EQ(at("Image16"), slot(kTensRod, 1));

    // The third red bead is in sight, but no bead to drag.
    EXPECT_TRUE(pupil.visible("Image14"));
    dragTo("Image14", centreOf(pupil.current().control("Label15")));
    EXPECT_EQ(at("Image14"), Place(480, 3120));

    check();
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
}

TEST_F(AbacusTest, UpTo20TensAndUnitsAreJudgedApartAndUnitsBelowTenArePrinted) {
    pupil.open(30);
    newItem(10);
    pupil.drag("Image16", "Label15");
    check();
    EXPECT_EQ(pupil.face(), "smiling");

    newItem(20);
    pupil.drag("Image15", "Label15");
    toUnitsRod({1, 2, 3, 4, 5, 6, 7, 8, 9});
    check();
    EXPECT_EQ(pupil.face(), "sad"); // nine units are no ten
    pupil.drag("Image16", "Label15");
    for (int k = 1; k <= 9; ++k)
        dragTo(unit(k), kStoreGap);
    check();
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_TRUE(pupil.current().window()->marks().empty()); // nothing printed from 10 up

    // Below ten the units digit is also written on the board, one line under the last.
    newItem(7);
    toUnitsRod({1});
    check(); // a new item only after a check
    newItem(1);
    toUnitsRod({9});
    check();
    EXPECT_EQ(pupil.face(), "smiling");
    const std::vector<Mark>& marks = pupil.current().window()->marks();
    ASSERT_EQ(marks.size(), 2u);
    EXPECT_EQ(marks[0].text, "7");
    EXPECT_EQ(marks[1].text, "1");
    EXPECT_EQ(marks[0].colour, colours::White);
    EXPECT_EQ(marks[0].font, fontOf({QStringLiteral("Arial"), 14.25, true}));
    EXPECT_EQ(marks[1].area.top(), marks[0].area.bottom() + 1);

    pupil.click("Label18");
    ASSERT_EQ(pupil.current().number(), 24);
    pupil.click("Label9"); // "Dal numero in lettere e in cifre all'abaco"
    EXPECT_TRUE(pupil.current().window()->marks().empty());
    EXPECT_EQ(pupil.caption("Label12"), "0");
    newItem(5);
    EXPECT_EQ(pupil.current().window()->marks().front().area.topLeft(), QPoint(0, 0));
    pupil.click("Label41");
    EXPECT_EQ(pupil.current().number(), 5);
}

} // namespace
