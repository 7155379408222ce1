// The operation drills written in a row, up to 10 and up to 20.
#include "support/test_program.h"

#include <gtest/gtest.h>

using testing_support::Pupil;

namespace {

class RowTest : public ::testing::Test {
protected:
    void open(int window) {
        if (pupil.loadedCount() > 0)
            pupil.current().unload();
        pupil.settle();
        pupil.open(window);
        first = true;
    }
    void ask(std::initializer_list<double> rnd) {
        pupil.script(rnd);
        pupil.click("Label1");
        if (first)
            pupil.clickInto("Text1");
        first = false;
    }
    QString title() { return pupil.current().window()->windowTitle(); }
    bool nothingDrawn() { return pupil.current().window()->marks().empty(); }
    Pupil pupil;
    bool first = true;
};

double upTo10(int n) {
    return Pupil::pick(n, 10);
}
double upTo20(int n) {
    return Pupil::pick(n, 20);
}
// The second number of some draws: Int(Rnd * 200), drawn again while it passes 20.
double wide(int n) {
    return Pupil::pick(n, 200);
}
double operation(int n) { // 1 a subtraction, 2 an addition
    return Pupil::pick(n - 1, 3);
}

TEST_F(RowTest, UpTo10TheItemStandsInARowWithNothingDrawn) {
    open(21);
    EXPECT_EQ(title(), "vesk - Aritmetica  cl. I    Addizion in riga  ( somma entro 10 )");
    ask({upTo10(9), upTo10(1), upTo10(3), upTo10(6)});
    EXPECT_EQ(pupil.caption("Label3"), "3");
    EXPECT_EQ(pupil.caption("Label5"), "6");
    EXPECT_TRUE(nothingDrawn());
    pupil.type("8");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(pupil.caption("Label13"), "");
    pupil.type("9");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "");

    open(22);
    EXPECT_EQ(title(), "vesk - Aritmetica  cl. I    Sottrazioin riga  ( minuendo entro 10 )");
    ask({upTo10(4), upTo10(8), upTo10(4)});
    EXPECT_EQ(pupil.caption("Label4"), "-");
    EXPECT_EQ(pupil.caption("Label5"), "4");
    pupil.type("0");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_TRUE(nothingDrawn());

    open(23);
    EXPECT_EQ(pupil.current().label("Label1").toolTip(), "DAMMI I NUMERI E L'OPERAZIONE");
    ask({operation(2), upTo10(5), upTo10(2)});
    EXPECT_EQ(pupil.caption("Label4"), "+");
    pupil.type("1");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.caption("Label13"), ""); // shown by the rod window only
    ask({operation(1), upTo10(5), upTo10(2)});
    EXPECT_EQ(pupil.caption("Label4"), "-");
    pupil.type("3");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.caption("Label22"), "2");
    EXPECT_TRUE(nothingDrawn());
}

TEST_F(RowTest, UpTo20ATwoDigitAnswerIsJudgedOnlyWhenComplete) {
    open(41);
    EXPECT_EQ(title(), "vesk - Aritmetica  cl. I    Addizion in riga  ( somma entro 20 )");
    // The second number is drawn again while it passes 20, the pair while its sum does.
    ask({upTo20(19), wide(150), wide(5), upTo20(7), wide(5)});
    EXPECT_EQ(pupil.caption("Label3"), "7");
    EXPECT_EQ(pupil.caption("Label5"), "5");
    pupil.type("1");
    EXPECT_EQ(pupil.caption("Label22"), "1"); // refreshed, though nothing was judged
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_EQ(pupil.services().beeps, 0);
    pupil.type("2");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");

    ask({upTo20(7), wide(5)});
    pupil.type("13");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    pupil.type("1");
    EXPECT_EQ(pupil.text("Text1"), "1");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    pupil.type("2");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.caption("Label13"), "");

    // 0 + 20 can come; a digit then Backspace judges nothing and frees the chalk box.
    ask({upTo20(0), wide(20)});
    EXPECT_EQ(pupil.caption("Label5"), "20");
    pupil.type("2");
    pupil.press(Qt::Key_Backspace);
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_TRUE(pupil.enabled("Label1"));
    pupil.type("20");
    EXPECT_EQ(pupil.caption("Label12"), "2");
    pupil.click("Label14");
    EXPECT_EQ(pupil.current().number(), 5);
}

TEST_F(RowTest, UpTo20SubtractionsKeepTheMinuendAndOneDigitAnswersAreJudgedAtOnce) {
    open(42);
    EXPECT_EQ(title(), "vesk - Aritmetica  cl. I    Sottrazioin riga  ( minuendo entro 20 )");
    ask({upTo20(9), upTo20(12), upTo20(5)});
    EXPECT_EQ(pupil.caption("Label3"), "9");
    EXPECT_EQ(pupil.caption("Label5"), "5");
    pupil.type("4");
    EXPECT_EQ(pupil.face(), "smiling");
    ask({upTo20(19), upTo20(0)});
    pupil.type("19");
    EXPECT_EQ(pupil.caption("Label12"), "2");
    pupil.click("Label15");
    EXPECT_EQ(pupil.current().number(), 24);

    open(43);
    EXPECT_EQ(title(), "vesk - Aritmetica  cl. I    Addizioni ( somma entro 20)  e  Sottrazioni  "
                       "( minuendo entro 20 )  in riga");
    // Subtractions draw the second number from 200 values, additions from 20.
    ask({operation(1), upTo20(15), wide(199), wide(16), wide(15)});
    EXPECT_EQ(pupil.caption("Label4"), "-");
    EXPECT_EQ(pupil.caption("Label5"), "15");
    pupil.type("0");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    ask({operation(2), upTo20(12), upTo20(19), upTo20(1), upTo20(19)});
    EXPECT_EQ(pupil.caption("Label4"), "+");
    EXPECT_EQ(pupil.caption("Label3"), "1");
    EXPECT_EQ(pupil.caption("Label5"), "19");
    pupil.type("2");
    EXPECT_EQ(pupil.face(), "neutral");
    pupil.type("1");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.caption("Label13"), "");
    pupil.type("20");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
}

} // namespace
