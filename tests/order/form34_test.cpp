// The number line up to 20, as the pupil fills in the numbers that are missing.
#include "shell/exercise_frame.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <vector>

using namespace platform;
using testing_support::Pupil;

namespace {

QString boxOf(int k) {
    return QStringLiteral("Text%1").arg(k + 1);
}

// Each number 0 to 19 but 14 and 3 once, one of them twice: the boxes of 3, 14 and 20 are
// left to the pupil.
const std::vector<int> kGiven = {0,  1,  2,  4,  5,  6,  7,  8, 9,  10, 11,
                                 12, 13, 15, 16, 17, 18, 19, 7, 12, 0};

class NumberLine20Test : public ::testing::Test {
protected:
    NumberLine20Test() { pupil.open(34); }

    void newItem(const std::vector<int>& given = kGiven) {
        for (int n : given)
            pupil.script({Pupil::pick(n, 20)});
        pupil.click("Label2");
        EXPECT_TRUE(pupil.services().script.empty());
    }
    void typeInto(int k, const QString& keys) {
        pupil.clickInto(boxOf(k));
        pupil.type(keys);
    }
    void fillTheGaps(const QString& twenty = QStringLiteral("20")) {
        typeInto(3, "3");
        typeInto(14, "14");
        typeInto(20, twenty);
    }
    void check() { pupil.click("Label14"); }

    Pupil pupil;
};

TEST_F(NumberLine20Test, ANewItemGivesSomeBoxesAndEachBoxJudgesItsKeys) {
    EXPECT_FALSE(pupil.visible(boxOf(0)));
    newItem();
    EXPECT_EQ(pupil.services().randomizeCalls, 1);
    EXPECT_EQ(pupil.face(), "neutral");
    for (int k = 0; k <= 20; ++k) {
        const bool left = k == 3 || k == 14 || k == 20;
        EXPECT_TRUE(pupil.visible(boxOf(k))) << k;
        EXPECT_EQ(pupil.text(boxOf(k)), left ? QString() : QString::number(k)) << k;
        EXPECT_EQ(pupil.current().textBox(boxOf(k)).isLocked(), !left) << k;
    }
    EXPECT_EQ(pupil.focusedBox(), ""); // no focus is given
    // A given box takes no typing, but its key release shows the smiling face.
    typeInto(7, "3");
    EXPECT_EQ(pupil.text(boxOf(7)), "7");
    EXPECT_EQ(pupil.face(), "smiling");
    // A click into a box brings the neutral face back.
    pupil.clickInto(boxOf(20));
    EXPECT_EQ(pupil.face(), "neutral");
    // A box from 10 on waits for its second digit before it looks sad.
    typeInto(14, "1");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("5");
    EXPECT_EQ(pupil.face(), "sad");
    pupil.type("\b");
    EXPECT_EQ(pupil.text(boxOf(14)), "1");
    EXPECT_EQ(pupil.face(), "sad");
    pupil.type("4");
    EXPECT_EQ(pupil.face(), "smiling");
    pupil.type("\b");
    EXPECT_EQ(pupil.text(boxOf(14)), "14"); // a right box is frozen
    // A box below 10 is sad at once; a wrong text is never wiped.
    typeInto(3, "5");
    EXPECT_EQ(pupil.face(), "sad");
    pupil.type("a3");
    EXPECT_EQ(pupil.text(boxOf(3)), "53");
    pupil.type("\b\b"); // back to empty: still wrong
    EXPECT_EQ(pupil.text(boxOf(3)), "");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 0);
    EXPECT_FALSE(pupil.enabled("Label14"));
}

TEST_F(NumberLine20Test, EveryCheckScoresSoESATTICanPassSU) {
    const auto& frame = dynamic_cast<const shell::ExerciseForm&>(pupil.current());
    EXPECT_TRUE(frame.rightMayPassItems());
    newItem();
    typeInto(3, "3");
    typeInto(14, "14");
    EXPECT_FALSE(pupil.enabled("Label14"));
    typeInto(20, "2");
    EXPECT_TRUE(pupil.enabled("Label14")); // no box is empty, right or not
    pupil.type("0");
    check();
    EXPECT_EQ(pupil.caption("Label17"), "1");
    EXPECT_TRUE(pupil.enabled("Label2"));
    // Any key release with no box empty gives the check back; the same line scores again.
    pupil.type("7");
    ASSERT_TRUE(pupil.enabled("Label14"));
    check();
    EXPECT_EQ(pupil.caption("Label17"), "2");
    EXPECT_EQ(pupil.caption("Label20"), "1");
    EXPECT_EQ(pupil.face(), "smiling");

    // A wrong line: no face, no beep, the number after "ESATTI" written again unchanged.
    newItem();
    fillTheGaps("19");
    EXPECT_EQ(pupil.face(), "sad");
    pupil.clickInto(boxOf(0));
    check();
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(pupil.services().beeps, 0);
    EXPECT_EQ(pupil.caption("Label17"), "2");
    // "CONFERMA" given back before the next item judges the fresh line: wrong.
    pupil.type("1");
    newItem();
    EXPECT_TRUE(pupil.enabled("Label14"));
    check();
    EXPECT_EQ(pupil.caption("Label17"), "2");
    fillTheGaps();
    check();
    EXPECT_EQ(pupil.caption("Label17"), "3");
}

TEST_F(NumberLine20Test, TheScoreStartsAgainAfterItem98) {
    newItem();
    fillTheGaps();
    check();
    for (int i = 2; i <= 98; ++i) {
        newItem();
        fillTheGaps("19");
        check(); // wrong
    }
    EXPECT_EQ(pupil.caption("Label20"), "98");
    EXPECT_EQ(pupil.caption("Label17"), "1");
    newItem();
    EXPECT_EQ(pupil.caption("Label20"), "1");
    EXPECT_EQ(pupil.caption("Label17"), "0");
}

} // namespace
