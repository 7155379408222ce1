// The number line up to 9, as the pupil fills it in box by box.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

QString boxOf(int k) {
    return QStringLiteral("Text%1").arg(k == 0 ? 10 : k);
}

class NumberLine9Test : public ::testing::Test {
protected:
    NumberLine9Test() { pupil.open(11); }

    // A new item whose hint is the box of `hint`.
    void newItem(int hint) {
        pupil.script({Pupil::pick(hint, 10)});
        pupil.click("Label2");
    }
    // Types `keys` where the focus is; the draws that follow the first key bring out a box.
    void typeDrawing(const QString& keys, std::initializer_list<int> draws) {
        for (int n : draws)
            pupil.script({Pupil::pick(n, 10)});
        pupil.type(keys);
        EXPECT_TRUE(pupil.services().script.empty());
    }
    // A whole line, each box typed with its own number as it comes out, the hint first;
    // the last draw sends the focus on from the tenth box.
    void fillLine(const std::vector<int>& order, int last, const QString& lastKey = {}) {
        pupil.clickInto(boxOf(order.front()));
        for (size_t i = 1; i < order.size(); ++i)
            typeDrawing(QString::number(order[i - 1]), {order[i]});
        typeDrawing(lastKey.isEmpty() ? QString::number(order.back()) : lastKey, {last});
    }
    // The box the keys go to, as the window holds it and as the keyboard finds it.
    void expectFocusIn(const QString& box) {
        EXPECT_EQ(pupil.focusedBox(), box);
        EXPECT_TRUE(pupil.focusAgrees()) << box.toStdString();
    }
    int visibleBoxes() {
        int n = 0;
        for (int k = 0; k < 10; ++k)
            n += pupil.visible(boxOf(k));
        return n;
    }

    Pupil pupil;
};

TEST_F(NumberLine9Test, EachFirstKeyBringsOutABoxAndTheFocusFollowsIt) {
    Form& f = pupil.current();
    EXPECT_EQ(visibleBoxes(), 0);
    EXPECT_EQ(pupil.face(), "none");
    EXPECT_EQ(f.line("Line10").borderColor(), colours::ButtonFace); // the tick of 0
    EXPECT_EQ(f.textBox("Text1").backColor(), colours::White);
    EXPECT_EQ(f.textBox("Text1").foreColor(), colours::ButtonText);
    newItem(3);
    EXPECT_EQ(visibleBoxes(), 1);
    EXPECT_TRUE(pupil.visible("Label7")); // the hint: the number over its tick
    EXPECT_EQ(pupil.caption("Label20"), "1");
    EXPECT_EQ(pupil.face(), "neutral");
    // No focus is given: keys go nowhere until the pupil clicks into the box.
    expectFocusIn("");
    pupil.type("3");
    EXPECT_EQ(pupil.text("Text3"), "");
    pupil.clickInto("Text3");
    typeDrawing("3", {3, 3, 7});         // boxes already out are drawn again
    EXPECT_EQ(pupil.text("Text3"), "3"); // the key lands where it was typed
    expectFocusIn("Text7");
    EXPECT_FALSE(pupil.visible("Label10")); // only the hint shows its number
    int typedIn = 7;
    for (int k : {0, 9, 1, 5, 2, 8, 4, 6}) {
        typeDrawing(QString::number(typedIn), {typedIn, 3, k});
        EXPECT_EQ(pupil.text(boxOf(typedIn)), QString::number(typedIn));
        expectFocusIn(boxOf(k));
        typedIn = k;
    }
    EXPECT_FALSE(pupil.enabled("Label14"));
    EXPECT_FALSE(pupil.enabled("Label2"));
    // A letter is the tenth box's first key too; the box drawn is itself, so the Tab goes
    // round to the hint.
    typeDrawing("a", {6});
    EXPECT_EQ(pupil.text("Text6"), "");
    expectFocusIn("Text3");
    EXPECT_TRUE(pupil.enabled("Label2"));
    pupil.click("Label14"); // nine right boxes are not enough
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    EXPECT_FALSE(pupil.enabled("Label14"));
    pupil.clickInto("Text6");
    pupil.type("6");
    pupil.click("Label14");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label17"), ""); // only the first check scores
}

TEST_F(NumberLine9Test, ANewItemTakesTheFocusAwayAndMayFindTheCheckStillThere) {
    newItem(5);
    fillLine({5, 1, 0, 2, 9, 3, 8, 4, 6, 7}, 2);
    expectFocusIn("Text2"); // the tenth box drew another box
    pupil.tab();            // the Tabs keep following the boxes in the order they came out
    expectFocusIn("Text5");
    newItem(7);
    expectFocusIn("");
    EXPECT_EQ(visibleBoxes(), 1);
    EXPECT_EQ(pupil.text("Text7"), "");
    // The number 7 is only a number: a click on it does not end the program.
    const Control& seven = pupil.current().control("Label11");
    EXPECT_EQ(seven.pointer(), assets::Pointer::Arrow);
    pupil.click("Label11");
    EXPECT_EQ(pupil.services().ends, 0);
    EXPECT_EQ(pupil.loadedCount(), 1);
    // "CONFERMA" stayed from the line before: its check of the fresh line is the first.
    ASSERT_TRUE(pupil.enabled("Label14"));
    pupil.click("Label14");
    EXPECT_EQ(pupil.face(), "sad");
    fillLine({7, 1, 0, 2, 9, 3, 8, 4, 6, 5}, 5);
    pupil.click("Label14");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label17"), "");
}

TEST_F(NumberLine9Test, TheScoreStartsAgainAfterItem98) {
    const std::vector<int> order = {9, 8, 7, 6, 5, 4, 3, 2, 1, 0};
    for (int i = 1; i <= 98; ++i) {
        newItem(9);
        fillLine(order, 0);
        if (i == 1)
            pupil.click("Label14");
    }
    EXPECT_EQ(pupil.caption("Label20"), "98");
    EXPECT_EQ(pupil.caption("Label17"), "1");
    newItem(9);
    EXPECT_EQ(pupil.caption("Label20"), "1");
    EXPECT_EQ(pupil.caption("Label17"), "0");
}

} // namespace
