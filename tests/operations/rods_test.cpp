// The operation drills with counting rods drawn on the board, up to 10.
#include "platform/colour.h"
#include "platform/twips.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <QImage>

using namespace platform;
using testing_support::Pupil;

namespace {

constexpr Colour kRed = 0x000000FF, kLightGreen = 0x0080FF80, kPink = 0x00FF80FF,
                 kYellow = 0x0000FFFF, kBlack = 0x00000000, kBlue = 0x00C00000;

// A rod or a gap on the board, in twips: the row's top and the span from left to right.
struct Span {
    int top, left, right;
};
constexpr int kFirstRow = 2000, kSecondRow = 3000, kRodHeight = 855;

double digit(int n) {
    return Pupil::pick(n, 10);
}

// Int(Rnd * 3 + 1): 1 a subtraction, 2 an addition, 3 drawn again.
double operation(int n) {
    return Pupil::pick(n - 1, 3);
}

class RodsTest : public ::testing::Test {
protected:
    void open(int window) {
        pupil.open(window);
        board = grab();
    }
    void ask(std::initializer_list<double> rnd) {
        pupil.script(rnd);
        pupil.click("Label1");
        pupil.clickInto("Text1");
    }
    QImage grab() { return pupil.current().window()->grab().toImage(); }
    // The pixels of a span, shrunk by a pixel on each side so rounding cannot blur edges.
    QRect pixels(const Span& s) const {
        return QRect(QPoint(toPixels(s.left) + 1, toPixels(s.top) + 1),
                     QPoint(toPixels(s.right) - 2, toPixels(s.top + kRodHeight) - 2));
    }
    // How many pixels of the span show the colour.
    int inColour(const QImage& image, const Span& s, Colour c) const {
        const QRect r = pixels(s);
        int count = 0;
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                count += image.pixel(x, y) == toQColor(c).rgb();
        return count;
    }
    int area(const Span& s) const { return pixels(s).width() * pixels(s).height(); }
    bool filled(const QImage& image, const Span& s, Colour c) const {
        return inColour(image, s, c) == area(s);
    }
    // Nothing drawn: the span shows the bare board.
    bool bare(const QImage& image, const Span& s) const {
        const QRect r = pixels(s);
        return image.copy(r) == board.copy(r);
    }
    Pupil pupil;
    QImage board; // the window before any item
};

// Spans, in units of 855 twips from x = 500.
Span units(int top, int from, int to) {
    return {top, 500 + 855 * from, 500 + 855 * to};
}

TEST_F(RodsTest, BeforeTheFirstItemOnlyTheTitleTheLinksAndTheSpotsShow) {
    open(19);
    for (const char* hidden : {"Label10", "Label12", "Label3", "Label4", "Label5", "Label6",
                               "Label20", "Label22", "Image1", "Image2", "Image3", "Text1"})
        EXPECT_FALSE(pupil.visible(hidden)) << hidden;
    for (const char* shown : {"Label7", "Label14", "Label15", "Label8", "Label1", "Label2"})
        EXPECT_TRUE(pupil.visible(shown)) << shown;
}

TEST_F(RodsTest, AdditionRodsLieEndToEndAboveTheSum) {
    open(18);
    EXPECT_EQ(pupil.current().window()->windowTitle(),
              "vesk - Aritmetica  cl. I    Addizioni con l'aiuto dei regoli ( somma entro 10 )");
    // 7 + 6 passes 9: both numbers are drawn again.
    ask({digit(7), digit(6), digit(4), digit(5)});
    EXPECT_EQ(pupil.services().randomizeCalls, 1);
    EXPECT_EQ(pupil.caption("Label3"), "4");
    EXPECT_EQ(pupil.caption("Label5"), "5");
    EXPECT_EQ(pupil.face(), "neutral");
    EXPECT_FALSE(pupil.enabled("Label1"));
    const QImage drawn = grab();
    EXPECT_TRUE(filled(drawn, units(kFirstRow, 0, 4), kPink));
    EXPECT_TRUE(filled(drawn, units(kFirstRow, 4, 9), kYellow));
    EXPECT_TRUE(filled(drawn, units(kSecondRow, 0, 9), kBlue));
    EXPECT_TRUE(bare(drawn, {kFirstRow, 8195, 8500}));
    EXPECT_TRUE(bare(drawn, {kSecondRow, 8195, 8500}));
    // The rods stay through a repaint.
    pupil.current().window()->repaint();
    EXPECT_EQ(grab(), drawn);

    // "SU" is written by the digit key-up, not by the new item.
    EXPECT_EQ(pupil.caption("Label22"), "");
    EXPECT_EQ(pupil.caption("Label12"), "");
    pupil.type("9");
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    // A right answer swallows every key, and a further digit is judged again unscored.
    pupil.type("3");
    EXPECT_EQ(pupil.text("Text1"), "9");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_TRUE(pupil.enabled("Label1"));

    // The next item clears the old rods; 0 + 0 draws nothing at all.
    ask({digit(0), digit(0)});
    EXPECT_TRUE(bare(grab(), units(kFirstRow, 0, 9)));
    EXPECT_TRUE(bare(grab(), units(kSecondRow, 0, 9)));
    pupil.type("1");
    EXPECT_EQ(pupil.caption("Label22"), "2");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.services().beeps, 1);
    pupil.type("0");
    EXPECT_EQ(pupil.text("Text1"), "0");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    // Letters are swallowed but give the chalk box back.
    ask({digit(1), digit(1)});
    pupil.type("a");
    EXPECT_EQ(pupil.text("Text1"), "");
    EXPECT_TRUE(pupil.enabled("Label1"));
    EXPECT_EQ(pupil.face(), "neutral");
}

TEST_F(RodsTest, TheDifferenceIsAnOutlinedRodAfterTheSubtrahend) {
    open(19);
    EXPECT_EQ(pupil.caption("Label4"), "-");
    // A subtrahend greater than the minuend is drawn again, the minuend is kept.
    ask({digit(3), digit(7), digit(1), digit(5)});
    EXPECT_EQ(pupil.caption("Label3"), "3");
    EXPECT_EQ(pupil.caption("Label5"), "1");
    pupil.type("2");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.services().script.size(), 1u); // the 5 is left over
    pupil.services().script.clear();

    ask({digit(9), digit(2)});
    const QImage drawn = grab();
    EXPECT_TRUE(filled(drawn, units(kFirstRow, 0, 9), kBlue));
    EXPECT_TRUE(filled(drawn, units(kSecondRow, 0, 2), kRed));
    const Span difference = units(kSecondRow, 2, 9);
    // Black, like a black rod, yet the board shows through: it stands out from a filled one.
    const int black = inColour(drawn, difference, kBlack);
    EXPECT_GT(black, area(difference) / 10);
    EXPECT_LT(black, area(difference) * 9 / 10);
    const QRect edge(QPoint(toPixels(2210), toPixels(kSecondRow)),
                     QPoint(toPixels(8195) - 1, toPixels(kSecondRow)));
    for (int x = edge.left() + 1; x < edge.right(); ++x)
        ASSERT_EQ(drawn.pixel(x, edge.top()), qRgb(0, 0, 0)) << x;
    EXPECT_TRUE(bare(drawn, {kSecondRow, 8195, 8500}));
    pupil.type("7");
    EXPECT_EQ(pupil.caption("Label12"), "2");

    // 7 - 7: two black rods and no difference at all.
    ask({digit(7), digit(7)});
    const QImage sevens = grab();
    EXPECT_TRUE(filled(sevens, units(kFirstRow, 0, 7), kBlack));
    EXPECT_TRUE(filled(sevens, units(kSecondRow, 0, 7), kBlack));
    EXPECT_TRUE(bare(sevens, units(kSecondRow, 7, 9)));
    pupil.type("0");
    EXPECT_EQ(pupil.caption("Label12"), "3");
}

TEST_F(RodsTest, MixedItemsDrawTheOperationFirstAndCountWrongAdditions) {
    open(20);
    EXPECT_EQ(pupil.current().label("Label1").toolTip(), "DAMMI I NUMERI E L'OPERAZIONE");
    // 3 is no operation and is drawn again; 1 is a subtraction.
    ask({operation(3), operation(1), digit(5), digit(3)});
    EXPECT_EQ(pupil.caption("Label4"), "-");
    EXPECT_EQ(pupil.caption("Label3"), "5");
    EXPECT_EQ(pupil.caption("Label5"), "3");
    QImage drawn = grab();
    EXPECT_TRUE(filled(drawn, units(kFirstRow, 0, 5), kYellow));
    EXPECT_TRUE(filled(drawn, units(kSecondRow, 0, 3), kLightGreen));
    const int red = inColour(drawn, units(kSecondRow, 3, 5), kRed);
    EXPECT_GT(red, 0);
    EXPECT_LT(red, area(units(kSecondRow, 3, 5)));
    // A wrong subtraction counts, but its number is not shown.
    pupil.type("1");
    EXPECT_EQ(pupil.face(), "sad");
    EXPECT_EQ(pupil.caption("Label13"), "");

    ask({operation(2), digit(8), digit(3), digit(2), digit(2)});
    EXPECT_EQ(pupil.caption("Label4"), "+");
    EXPECT_EQ(pupil.caption("Label3"), "2");
    drawn = grab();
    EXPECT_TRUE(filled(drawn, units(kFirstRow, 0, 2), kRed));
    EXPECT_TRUE(filled(drawn, units(kFirstRow, 2, 4), kRed));
    EXPECT_TRUE(filled(drawn, units(kSecondRow, 0, 4), kPink));
    EXPECT_TRUE(bare(drawn, units(kSecondRow, 4, 5)));
    // The wrong count jumps to two: both wrong first tries are in it.
    pupil.type("3");
    EXPECT_EQ(pupil.caption("Label13"), "2");
    pupil.type("4");
    EXPECT_EQ(pupil.face(), "smiling");
    EXPECT_EQ(pupil.caption("Label12"), "");
    EXPECT_EQ(pupil.caption("Label13"), "2");

    // At the wrap the wrapping item is the first of a new run; the wrong count stays shown.
    pupil.services().free.emplace(20);
    for (int item = 3; item <= 98; ++item) {
        pupil.click("Label1");
        pupil.type("x");
    }
    pupil.services().free.reset();
    ask({operation(2), digit(1), digit(1)});
    EXPECT_EQ(pupil.caption("Label12"), "0");
    EXPECT_EQ(pupil.caption("Label22"), "2");
    pupil.type("2");
    EXPECT_EQ(pupil.caption("Label22"), "1");
    EXPECT_EQ(pupil.caption("Label12"), "1");
    EXPECT_EQ(pupil.caption("Label13"), "2");
}

} // namespace
