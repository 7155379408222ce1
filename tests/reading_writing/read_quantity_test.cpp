// The windows that show a quantity (squares, beads on the abacus) and ask for it in digits
// and in words, as the pupil works through them.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>
#include <memory>
#include <QImage>

using namespace platform;
using testing_support::Pupil;

namespace {

const QRgb kRed = qRgb(255, 0, 0);
const QRgb kWhite = qRgb(255, 255, 255);

class QuantityTest : public ::testing::Test {
protected:
    // Form3 and Form6 draw Int(Rnd * 9 + 1); Form29 draws the units beside the ten, Int(Rnd * 11).
    void newItem(int number) {
        const int window = pupil().current().number();
        pupil().script({window == 29 ? Pupil::pick(number - 10, 11) : Pupil::pick(number - 1, 9)});
        pupil().click("Label2");
    }
    void openWith(int window, int number) {
        pupil().open(window);
        newItem(number);
    }
    // Both answers right at their first attempts, the word judged by the check label.
    void answer(const QString& digits, const QString& word) {
        pupil().clickInto("Text1");
        pupil().type(digits);
        pupil().clickInto("Text2");
        pupil().type(word);
        pupil().click("Label4");
    }
    std::vector<int> shownShapes() {
        std::vector<int> shown;
        for (int k = 1; k <= 11; ++k) {
            const QString name = QStringLiteral("Shape%1").arg(k);
            if (pupil().current().window()->find(name) && pupil().visible(name))
                shown.push_back(k);
        }
        return shown;
    }
    // The colour the pupil sees in a bead, beside the rod that runs through its middle.
    QRgb seenAt(const QString& bead) {
        Form& f = pupil().current();
        const QPoint beside = testing_support::centreOf(f.control(bead)) + QPoint(8, 0);
        return f.window()->grab().toImage().pixel(beside);
    }
    int beeps() { return pupil().services().beeps; }
    // A fresh program, for tests that walk several windows.
    void restart() { pupil_ = std::make_unique<Pupil>(); }
    Pupil& pupil() { return *pupil_; }

private:
    std::unique_ptr<Pupil> pupil_ = std::make_unique<Pupil>();
};

using Shapes = std::vector<int>;

TEST_F(QuantityTest, UnitsAreReadInDigitsAndInWords) {
    pupil().open(3);
    EXPECT_EQ(pupil().face(), "none");
    EXPECT_FALSE(pupil().visible("Text1"));
    EXPECT_FALSE(pupil().visible("Text2"));
    EXPECT_FALSE(pupil().visible("Label4"));
    EXPECT_EQ(shownShapes(), Shapes{});
    // Only the words block's heading and "ESATTI:" show before the first item.
    EXPECT_TRUE(pupil().visible("Label15"));
    EXPECT_TRUE(pupil().visible("Label6"));
    for (const char* hidden :
         {"Label14", "Label10", "Label12", "Label20", "Label22", "Label8", "Label16", "Label18"})
        EXPECT_FALSE(pupil().visible(hidden)) << hidden;

    newItem(7);
    EXPECT_EQ(shownShapes(), (Shapes{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(pupil().caption("Label22"), "1");
    EXPECT_EQ(pupil().caption("Label18"), "1");
    EXPECT_EQ(pupil().caption("Label8"), "0");
    EXPECT_TRUE(pupil().visible("Label14"));
    EXPECT_EQ(pupil().face(), "neutral");
    EXPECT_FALSE(pupil().visible("Label4"));
    EXPECT_FALSE(pupil().enabled("Label2"));
    // The first item gives no box the focus: typing goes nowhere.
    EXPECT_EQ(pupil().focusedBox(), "");
    pupil().type("7");
    EXPECT_EQ(pupil().text("Text1"), "");

    pupil().clickInto("Text1");
    pupil().type("a7");
    EXPECT_EQ(pupil().text("Text1"), "7");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label12"), "1");
    pupil().type("\b3"); // a right number stays, judged right again without a score
    EXPECT_EQ(pupil().text("Text1"), "7");
    EXPECT_EQ(pupil().caption("Label12"), "1");

    pupil().clickInto("Text2");
    EXPECT_TRUE(pupil().visible("Label4"));
    EXPECT_FALSE(pupil().enabled("Label4")); // until a key in the words box
    EXPECT_EQ(pupil().face(), "neutral");
    pupil().type("se7t te");
    EXPECT_EQ(pupil().text("Text2"), "SETTE");
    EXPECT_EQ(pupil().face(), "neutral");
    EXPECT_TRUE(pupil().enabled("Label4"));
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label8"), "1");
    EXPECT_EQ(pupil().caption("Label12"), "1");
    EXPECT_FALSE(pupil().enabled("Label4"));
    EXPECT_TRUE(pupil().enabled("Label2"));
    EXPECT_EQ(beeps(), 0);

    // From the second item on the focus is sent back to the digits box.
    newItem(2);
    EXPECT_EQ(pupil().focusedBox(), "Text1");
    EXPECT_EQ(pupil().caption("Label22"), "2");
    EXPECT_EQ(pupil().caption("Label18"), "2");
    EXPECT_EQ(shownShapes(), (Shapes{1, 2}));
    pupil().type("2");
    EXPECT_EQ(pupil().caption("Label12"), "2");
}

TEST_F(QuantityTest, WrongUnitsBeepOnlyInDigits) {
    openWith(3, 4);
    pupil().clickInto("Text1");
    pupil().type("5");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 1);
    pupil().type("4"); // clears the wrong digit, right at the second try: no score
    EXPECT_EQ(pupil().text("Text1"), "4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label12"), "");

    pupil().clickInto("Text2");
    pupil().type("z1ero"); // z passes, as Z
    EXPECT_EQ(pupil().text("Text2"), "ZERO");
    pupil().type("\b\b\b\bquatro");
    EXPECT_EQ(pupil().text("Text2"), "QUATRO");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 1); // the sad face alone
    EXPECT_EQ(pupil().caption("Label8"), "0");
    EXPECT_FALSE(pupil().enabled("Label4"));
    EXPECT_TRUE(pupil().enabled("Label2"));

    // Going back into a box judges it again, without counting.
    pupil().clickInto("Text1");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(beeps(), 1);
    pupil().clickInto("Text2"); // shorter than "QUATTRO": not judged
    EXPECT_EQ(pupil().face(), "neutral");
    pupil().press(Qt::Key_End); // the click left the caret in the middle of the word
    pupil().type("\b\b\bttro");
    EXPECT_EQ(pupil().text("Text2"), "QUATTRO");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label8"), "0");

    newItem(2);
    pupil().type("9");
    EXPECT_EQ(beeps(), 2);
    pupil().clickInto("Text2");
    pupil().type("dua");
    pupil().clickInto("Text1");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 3);
    pupil().clickInto("Text2"); // a wrong word of full length beeps on the focus
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 4);
    pupil().type("e"); // and is cleared by the next key
    EXPECT_EQ(pupil().text("Text2"), "E");
    EXPECT_EQ(pupil().face(), "neutral");
    EXPECT_EQ(pupil().caption("Label12"), "");
}

TEST_F(QuantityTest, BoxesWearTheColourOfTheNumberUpToTen) {
    for (const int window : {3, 6}) {
        SCOPED_TRACE(window);
        restart();
        const Colour designBack = window == 3 ? colours::White : colours::Peach;
        pupil().open(window);
        const TextBox& digits = pupil().current().textBox("Text1");
        const TextBox& words = pupil().current().textBox("Text2");
        EXPECT_EQ(digits.backColor(), designBack);
        newItem(8);
        for (const TextBox* box : {&digits, &words}) {
            EXPECT_EQ(box->backColor(), Colour(0x00000080)); // maroon
            EXPECT_EQ(box->foreColor(), colours::White);
        }
        answer("8", "otto");
        newItem(1);
        for (const TextBox* box : {&digits, &words}) {
            EXPECT_EQ(box->backColor(), colours::White);
            EXPECT_EQ(box->foreColor(), colours::Black);
        }
        EXPECT_EQ(shownShapes(), Shapes{1});
        answer("1", "uno");
        newItem(9);
        EXPECT_EQ(digits.backColor(), Colour(0x00C00000)); // blue
        EXPECT_EQ(shownShapes(), (Shapes{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    }
}

TEST_F(QuantityTest, BeadsAreReadUpToTenWithABeepAtAWrongWord) {
    pupil().open(6);
    EXPECT_EQ(pupil().face(), "none");
    for (const char* hidden : {"Label14", "Label10", "Label12", "Label13", "Label22", "Label15",
                               "Label6", "Label8", "Label16", "Label18", "Label19", "Label4"})
        EXPECT_FALSE(pupil().visible(hidden)) << hidden;
    EXPECT_EQ(shownShapes(), Shapes{});

    newItem(5);
    EXPECT_EQ(shownShapes(), (Shapes{1, 2, 3, 4, 5}));
    EXPECT_EQ(seenAt("Shape5"), kWhite);
    EXPECT_TRUE(pupil().visible("Label15"));
    pupil().clickInto("Text1");
    pupil().type("5");
    EXPECT_EQ(pupil().caption("Label12"), "1");
    pupil().clickInto("Text2");
    pupil().type("zero"); // no Z here
    EXPECT_EQ(pupil().text("Text2"), "ERO");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 1);
    EXPECT_TRUE(pupil().enabled("Label4")); // may be checked again at once
    EXPECT_TRUE(pupil().enabled("Label2"));
    pupil().type("\b\b\bcinque");
    EXPECT_EQ(pupil().text("Text2"), "CINQUE");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label8"), ""); // the first check was the one that counted
    EXPECT_EQ(beeps(), 1);

    // Asked from the digits box, the new item sends the focus on to the words box.
    pupil().clickInto("Text1");
    newItem(6);
    EXPECT_EQ(pupil().focusedBox(), "Text2"); // whose focus shows the check label, still off
    EXPECT_TRUE(pupil().visible("Label4"));
    EXPECT_FALSE(pupil().enabled("Label4"));
    pupil().type("sei");
    pupil().click("Label4");
    EXPECT_EQ(pupil().caption("Label8"), "1");
    EXPECT_EQ(pupil().caption("Label22"), "2");
    EXPECT_EQ(pupil().caption("Label18"), "2");
}

TEST_F(QuantityTest, TensAndUnitsAreReadUpToTwenty) {
    pupil().open(29);
    EXPECT_EQ(shownShapes(), Shapes{});
    newItem(13);
    EXPECT_EQ(shownShapes(), (Shapes{1, 2, 3, 10}));
    EXPECT_EQ(seenAt("Shape10"), kRed);
    EXPECT_EQ(seenAt("Shape1"), kWhite);
    const TextBox& digits = pupil().current().textBox("Text1");
    EXPECT_EQ(digits.backColor(), colours::Peach); // never painted
    EXPECT_EQ(digits.foreColor(), colours::Black);
    pupil().clickInto("Text1");
    pupil().type("1");
    EXPECT_EQ(pupil().face(), "neutral"); // half an answer is not judged
    EXPECT_EQ(beeps(), 0);
    // Leaving a half-typed number and coming back judges it wrong.
    pupil().clickInto("Text2");
    pupil().clickInto("Text1");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 1);
    pupil().press(Qt::Key_End);
    pupil().type("3");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label12"), "1"); // scored at the second digit key
    pupil().clickInto("Text2");
    pupil().type("tredici");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label8"), "1");

    // No units: one ten alone.
    newItem(10);
    EXPECT_EQ(shownShapes(), Shapes{10});
    answer("10", "dieci");
    EXPECT_EQ(pupil().caption("Label12"), "2");
    EXPECT_EQ(pupil().caption("Label8"), "2");
    // Two tens and no units; the next item has one ten again.
    newItem(20);
    EXPECT_EQ(shownShapes(), (Shapes{10, 11}));
    EXPECT_EQ(seenAt("Shape11"), kRed);
    pupil().type("20");
    pupil().clickInto("Text2");
    pupil().type("zero"); // Z passes, but "ZERO" is never right
    EXPECT_EQ(pupil().text("Text2"), "ZERO");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 2);
    pupil().type("\b\b\b\bventi");
    pupil().click("Label4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label12"), "3");
    EXPECT_EQ(pupil().caption("Label8"), "2");
    newItem(19);
    EXPECT_EQ(shownShapes(), (Shapes{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_EQ(pupil().caption("Label22"), "4");
}

TEST_F(QuantityTest, TwentyScoresOnlyAFirstAnswerOfTwoDigitKeys) {
    openWith(29, 17);
    pupil().clickInto("Text1");
    pupil().type("1\b1");
    EXPECT_EQ(pupil().face(), "neutral");
    pupil().type("7");
    EXPECT_EQ(pupil().face(), "smiling"); // judged, but the third digit key scores nothing
    EXPECT_EQ(pupil().caption("Label12"), "");
    pupil().clickInto("Text2");
    pupil().type("diciassette");
    pupil().click("Label4");

    newItem(14);
    EXPECT_EQ(pupil().focusedBox(), "Text1");
    pupil().type("41");
    EXPECT_EQ(pupil().face(), "sad");
    EXPECT_EQ(beeps(), 1);
    pupil().type("1"); // clears the full wrong answer: half an answer again
    EXPECT_EQ(pupil().text("Text1"), "1");
    EXPECT_EQ(pupil().face(), "sad");
    pupil().type("4");
    EXPECT_EQ(pupil().face(), "smiling");
    EXPECT_EQ(pupil().caption("Label12"), "");
    pupil().pressKeypad(5); // a right answer swallows the key; its key-up is judged again
    EXPECT_EQ(pupil().text("Text1"), "14");
    EXPECT_EQ(pupil().face(), "smiling");
}

TEST_F(QuantityTest, TheNinetyNinthItemStartsANewRunInBothBlocks) {
    for (const int window : {3, 29}) {
        SCOPED_TRACE(window);
        restart();
        const int number = window == 3 ? 2 : 12;
        const QString digits = QString::number(number);
        const QString word = window == 3 ? QStringLiteral("due") : QStringLiteral("dodici");
        openWith(window, number);
        answer(digits, word);
        for (int i = 2; i <= 98; ++i) {
            newItem(number);
            pupil().type(digits); // the focus was sent to the digits box
            pupil().clickInto("Text2");
            pupil().type(word);
            pupil().click("Label4");
        }
        ASSERT_EQ(pupil().caption("Label22"), "98");
        ASSERT_EQ(pupil().caption("Label12"), "98");
        ASSERT_EQ(pupil().caption("Label8"), "98");
        newItem(number);
        for (const char* label : {"Label22", "Label18"})
            EXPECT_EQ(pupil().caption(label), "1") << label;
        for (const char* label : {"Label12", "Label8"})
            EXPECT_EQ(pupil().caption(label), "0") << label;
        // The first item of a run sends no Tab: the focus stays in the words box.
        EXPECT_EQ(pupil().focusedBox(), "Text2");
        answer(digits, word);
        EXPECT_EQ(pupil().caption("Label12"), "1");
        EXPECT_EQ(pupil().caption("Label8"), "1");
        newItem(number);
        EXPECT_EQ(pupil().focusedBox(), "Text1");
        EXPECT_EQ(pupil().caption("Label22"), "2");
    }
}

struct Way {
    int window;
    const char* link;
    int target;
    const char* back; // the entry that opens the window again, on the target or its menu
    const char* rightWordStart;
};

TEST_F(QuantityTest, LeavingByEitherLinkAndComingBackStartsAfresh) {
    const Way ways[] = {
        {3, "Label41", 5, "Label1", "0"}, {3, "Label17", 2, nullptr, "0"},
        {6, "Label26", 5, "Label1", ""},  {6, "Label25", 2, nullptr, ""},
        {29, "Label41", 5, "Label2", ""}, {29, "Label40", 24, nullptr, ""},
    };
    for (const Way& way : ways) {
        SCOPED_TRACE(testing::Message() << "Form" << way.window << " " << way.link);
        restart();
        const int number = way.window == 29 ? 16 : 6;
        openWith(way.window, number);
        answer(QString::number(number), way.window == 29 ? "sedici" : "sei");
        ASSERT_EQ(pupil().caption("Label8"), "1");
        pupil().click(way.link);
        ASSERT_EQ(pupil().loadedCount(), 1);
        ASSERT_EQ(pupil().current().number(), way.target);
        if (way.back)
            pupil().click(way.back);
        const char* entry = way.window == 3 ? "Label2" : way.window == 6 ? "Label4" : "Label7";
        pupil().click(entry);
        ASSERT_EQ(pupil().current().number(), way.window);
        EXPECT_EQ(pupil().caption("Label12"), "");
        EXPECT_EQ(pupil().caption("Label8"), way.rightWordStart);
        EXPECT_EQ(pupil().caption("Label22"), "");
        EXPECT_EQ(pupil().face(), "none");
        EXPECT_FALSE(pupil().visible("Text1"));
        EXPECT_EQ(shownShapes(), Shapes{});
        newItem(number);
        EXPECT_EQ(pupil().caption("Label22"), "1");
        EXPECT_EQ(pupil().focusedBox(), "");
        pupil().clickInto("Text1");
        pupil().type(QString::number(number));
        EXPECT_EQ(pupil().caption("Label12"), "1");
    }
    for (const int window : {3, 6, 29}) {
        restart();
        pupil().open(window);
        pupil().click(window == 3 ? "Label3" : "Label1");
        EXPECT_EQ(pupil().services().ends, 1) << window;
    }
}

} // namespace
