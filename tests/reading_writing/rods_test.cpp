// A coloured rod read in digits and in words, up to 10 and up to 20.
#include "platform/colour.h"
#include "platform/twips.h"
#include "support/test_program.h"

#include <climits>
#include <gtest/gtest.h>
#include <QImage>

using namespace platform;
using testing_support::Pupil;

namespace {

const char* const kSquares27[] = {"Label18", "Label19", "Label21", "Label23", "Label24",
                                  "Label25", "Label26", "Label27", "Label28"};

struct Rods {
    explicit Rods(int window) { pupil.open(window); }
    void deal(int n) {
        pupil.script({Pupil::pick(n, 10)});
        pupil.click("Label15");
    }
    int squaresShown() {
        int n = 0;
        for (const auto& c : pupil.current().window()->controls()) {
            auto* l = dynamic_cast<Label*>(c.get());
            if (l && l->isVisible() && l->backColor() == colours::White && c->top() == 3240)
                ++n;
        }
        return n;
    }
    Pupil pupil;
};

TEST(RodsUpTo10, EachValueShowsItsRodAndHelpLaysOutItsSquares) {
    Rods r(27);
    // Before any item: no rod, "AIUTO" shows nothing, the boxes take nothing.
    EXPECT_EQ(r.squaresShown(), 0);
    r.pupil.click("Label29");
    EXPECT_EQ(r.squaresShown(), 0);
    EXPECT_FALSE(r.pupil.enabled("Text1"));
    EXPECT_FALSE(r.pupil.enabled("Label30"));
    EXPECT_EQ(r.pupil.caption("Label13"), "0");

    r.deal(0);
    EXPECT_TRUE(r.pupil.visible("Label10")); // the thin bar of 0
    for (int n = 1; n <= 9; ++n)
        EXPECT_FALSE(r.pupil.visible(QStringLiteral("Label%1").arg(n)));
    r.pupil.click("Label29");
    EXPECT_EQ(r.squaresShown(), 0);

    r.pupil.clickInto("Text2");
    r.pupil.type("zero");
    EXPECT_EQ(r.pupil.text("Text2"), "ZERO");
    r.pupil.click("Label30");
    EXPECT_EQ(r.pupil.face(), "smiling");
    EXPECT_EQ(r.pupil.caption("Label34"), "1");
    EXPECT_EQ(r.pupil.caption("Label31"), "1");

    r.deal(9);
    EXPECT_FALSE(r.pupil.visible("Label10"));
    Label& rod = r.pupil.current().label("Label9");
    EXPECT_TRUE(rod.isVisible());
    EXPECT_EQ(rod.width(), 9 * 855);
    EXPECT_EQ(rod.backColor(), 0x00C00000u);
    r.pupil.click("Label29");
    EXPECT_EQ(r.squaresShown(), 9);
    for (int i = 0; i < 9; ++i)
        EXPECT_EQ(r.pupil.current().label(kSquares27[i]).top(), 3240);
    // A new item clears the squares away.
    r.pupil.clickInto("Text2");
    r.pupil.type("n");
    r.pupil.click("Label30");
    r.deal(8);
    EXPECT_EQ(r.squaresShown(), 0);
    EXPECT_EQ(r.pupil.current().label("Label8").backColor(), 0x00404080u);
}

TEST(RodsUpTo10, DigitsAndWordsScoreInTheirOwnBlocks) {
    Rods r(27);
    r.deal(3);
    r.pupil.clickInto("Text1");
    r.pupil.type("4");
    EXPECT_EQ(r.pupil.face(), "sad");
    EXPECT_EQ(r.pupil.services().beeps, 1);
    EXPECT_EQ(r.pupil.caption("Label22"), "1");
    r.pupil.type("3");
    EXPECT_EQ(r.pupil.face(), "smiling");
    EXPECT_EQ(r.pupil.caption("Label13"), "0"); // only the first digit scores
    // Digits never give the chalk box back.
    EXPECT_FALSE(r.pupil.enabled("Label15"));

    r.pupil.clickInto("Text2");
    EXPECT_EQ(r.pupil.face(), "neutral");
    r.pupil.type("tra");
    // A full-length wrong word beeps on its key-up and keeps the face neutral.
    EXPECT_EQ(r.pupil.services().beeps, 2);
    EXPECT_EQ(r.pupil.face(), "neutral");
    EXPECT_TRUE(r.pupil.enabled("Label30"));
    EXPECT_EQ(r.pupil.caption("Label31"), "");
    r.pupil.click("Label30");
    EXPECT_EQ(r.pupil.face(), "sad");
    EXPECT_EQ(r.pupil.services().beeps, 2); // a wrong check does not beep
    EXPECT_EQ(r.pupil.caption("Label31"), "1");
    EXPECT_FALSE(r.pupil.enabled("Label30"));
    EXPECT_TRUE(r.pupil.enabled("Label15"));
    // The next key clears the wrong word; a right re-check scores nothing.
    r.pupil.type("tre");
    EXPECT_EQ(r.pupil.text("Text2"), "TRE");
    EXPECT_FALSE(r.pupil.enabled("Label15"));
    r.pupil.click("Label30");
    EXPECT_EQ(r.pupil.face(), "smiling");
    EXPECT_EQ(r.pupil.caption("Label34"), "0");
    // Coming back to the word box shows its judgement again.
    r.pupil.clickInto("Text1");
    r.pupil.clickInto("Text2");
    EXPECT_EQ(r.pupil.face(), "smiling");
}

TEST(RodsUpTo20, TheTenRodStandsBesideTheUnitsAndTwoDigitsScore) {
    Rods r(28);
    EXPECT_FALSE(r.pupil.enabled("Label29"));
    EXPECT_EQ(r.pupil.caption("Label13"), "");
    r.deal(0);
    EXPECT_TRUE(r.pupil.visible("Label42"));
    EXPECT_FALSE(r.pupil.visible("Label43"));
    EXPECT_EQ(r.pupil.current().label("Label42").backColor(), 0x000080FFu);
    r.pupil.click("Label29");
    EXPECT_EQ(r.squaresShown(), 10);
    r.pupil.clickInto("Text1");
    r.pupil.type("1");
    EXPECT_EQ(r.pupil.face(), "neutral"); // a short text is no attempt
    EXPECT_EQ(r.pupil.caption("Label22"), "");
    r.pupil.type("0");
    EXPECT_EQ(r.pupil.face(), "smiling");
    EXPECT_EQ(r.pupil.caption("Label13"), "1");
    EXPECT_EQ(r.pupil.caption("Label22"), "1");
    r.pupil.clickInto("Text2");
    r.pupil.type("dieci");
    r.pupil.click("Label30");
    EXPECT_EQ(r.pupil.caption("Label34"), "1");

    r.deal(9);
    EXPECT_TRUE(r.pupil.visible("Label42"));
    EXPECT_TRUE(r.pupil.visible("Label9"));
    EXPECT_EQ(r.pupil.current().label("Label9").width(), 9 * 495);
    r.pupil.click("Label29");
    EXPECT_EQ(r.squaresShown(), 19);
    // "1", erased, then "1", "2": the complete answer comes at the third digit and scores
    // nothing.
    r.pupil.clickInto("Text1");
    r.pupil.type("1");
    r.pupil.press(Qt::Key_Backspace);
    r.pupil.type("12");
    EXPECT_EQ(r.pupil.text("Text1"), "12");
    EXPECT_EQ(r.pupil.face(), "sad");
    EXPECT_EQ(r.pupil.caption("Label22"), "2");
    r.pupil.type("19");
    EXPECT_EQ(r.pupil.face(), "smiling");
    EXPECT_EQ(r.pupil.caption("Label13"), "1");
    // The digits box shows its judgement again when it gets the focus back.
    r.pupil.clickInto("Text2");
    EXPECT_EQ(r.pupil.face(), "neutral");
    r.pupil.clickInto("Text1");
    EXPECT_EQ(r.pupil.face(), "smiling");
    r.pupil.clickInto("Text2");
    r.pupil.type("diciannove");
    r.pupil.click("Label30");
    EXPECT_EQ(r.pupil.face(), "smiling");
    EXPECT_EQ(r.pupil.caption("Label34"), "2");
}

TEST(Rods, TheCheckLabelTakesAClickAnywhereOnItsWords) {
    for (int window : {27, 28}) {
        Rods r(window);
        r.deal(3);
        r.pupil.clickInto("Text2");
        r.pupil.type("t");
        ASSERT_TRUE(r.pupil.enabled("Label30"));
        // The label's bottom left corner lies over the heading of the words block.
        const Label& check = r.pupil.current().label("Label30");
        r.pupil.clickAt(QPoint(toPixels(check.left() + 60), toPixels(check.top() + 600)));
        EXPECT_FALSE(r.pupil.enabled("Label30")) << "Form" << window;
        EXPECT_EQ(r.pupil.face(), "sad") << "Form" << window;
    }
}

TEST(Rods, TheWrapZeroesBothBlocksAndLinksStartAfresh) {
    Rods r(27);
    for (int i = 0; i < 98; ++i) {
        r.deal(2);
        r.pupil.clickInto("Text2");
        r.pupil.type("due");
        r.pupil.click("Label30");
    }
    EXPECT_EQ(r.pupil.caption("Label34"), "98");
    r.deal(2);
    EXPECT_EQ(r.pupil.caption("Label34"), "0");
    EXPECT_EQ(r.pupil.caption("Label13"), "0");
    r.pupil.clickInto("Text1");
    r.pupil.type("2");
    EXPECT_EQ(r.pupil.caption("Label22"), "1");
    EXPECT_EQ(r.pupil.caption("Label13"), "1");

    // Leaving by a link and coming back: both blocks from 0, "AIUTO" shows nothing.
    r.pupil.click("Label40");
    ASSERT_EQ(r.pupil.current().number(), 2);
    r.pupil.click("Label25");
    ASSERT_EQ(r.pupil.current().number(), 27);
    EXPECT_EQ(r.pupil.caption("Label13"), "0");
    r.pupil.click("Label29");
    EXPECT_EQ(r.squaresShown(), 0);
    r.deal(5);
    r.pupil.clickInto("Text1");
    r.pupil.type("5");
    EXPECT_EQ(r.pupil.caption("Label22"), "1");
    EXPECT_EQ(r.pupil.caption("Label13"), "1");
}

// The columns of the window in which a label's own caption leaves chalk, seen with the
// other label hidden.
std::pair<int, int> chalkColumns(Pupil& pupil, const char* shown, const char* hidden) {
    Form& f = pupil.current();
    Label& other = f.label(hidden);
    other.setVisible(false);
    const QRect area = f.label(shown).pixelRect().united(other.pixelRect());
    const QImage grabbed = f.window()->grab(area).toImage();
    other.setVisible(true);
    int first = INT_MAX, last = INT_MIN;
    for (int x = 0; x < grabbed.width(); ++x)
        for (int y = 0; y < grabbed.height(); ++y)
            if (qGray(grabbed.pixel(x, y)) > 200) {
                first = std::min(first, area.x() + x);
                last = std::max(last, area.x() + x);
            }
    return {first, last};
}

TEST(Rods, SuAndItsNumberStandApart) {
    for (int window : {27, 28}) {
        Rods r(window);
        for (int i = 0; i < 20; ++i) {
            r.deal(i % 10);
            const QString answer = QString::number(i % 10 + (window == 28 ? 10 : 0));
            r.pupil.clickInto("Text1");
            r.pupil.type(answer);
            r.pupil.clickInto("Text2");
            r.pupil.type("x");
            r.pupil.click("Label30");
        }
        ASSERT_EQ(r.pupil.caption("Label22"), "20");
        ASSERT_EQ(r.pupil.caption("Label31"), "20");
        for (auto [su, count] :
             {std::pair{"Label20", "Label22"}, std::pair{"Label32", "Label31"}}) {
            const int suEnds = chalkColumns(r.pupil, su, count).second;
            const int countStarts = chalkColumns(r.pupil, count, su).first;
            EXPECT_GT(countStarts, suEnds + 1) << "Form" << window << " " << count;
        }
    }
}

} // namespace
