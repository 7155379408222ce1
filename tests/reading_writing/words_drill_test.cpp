// From digits to words and from words to digits, up to 10 and up to 20.
#include "platform/colour.h"
#include "support/test_program.h"

#include <gtest/gtest.h>

using namespace platform;
using testing_support::Pupil;

namespace {

// Up to 10 the draw is Int(Rnd * 9) + 1, up to 20 Int(Rnd * 20).
double upTo10(int n) {
    return Pupil::pick(n - 1, 9);
}
double upTo20(int n) {
    return Pupil::pick(n, 20);
}

struct Drill {
    explicit Drill(int window) : words(window == 8 || window == 31) { pupil.open(window); }
    // Asks for an item and clicks into the box.
    void ask(double rnd) {
        pupil.script({rnd});
        pupil.click(words ? "Label3" : "Label1");
        pupil.clickInto("Text1");
    }
    // Types an answer and, in the words windows, checks it.
    void answer(const char* text) {
        pupil.type(QString::fromLatin1(text));
        if (words)
            pupil.click("Label6");
    }
    QString face() { return pupil.face(); }
    QString right() { return pupil.caption("Label12"); }
    QString items() { return pupil.caption("Label22"); }
    Label& display() { return pupil.current().label(words ? "Label2" : "Label4"); }
    TextBox& box() { return pupil.current().textBox("Text1"); }

    const bool words;
    Pupil pupil;
};

TEST(WriteInWords, TheWordIsJudgedByTheCheckAndScoresAtTheFirstCheckOnly) {
    Drill d(8);
    EXPECT_EQ(d.face(), "none");
    EXPECT_FALSE(d.pupil.enabled("Text1"));
    EXPECT_FALSE(d.pupil.enabled("Label6"));
    d.ask(upTo10(7));
    EXPECT_EQ(d.display().caption(), "7");
    EXPECT_EQ(d.items(), "1");
    EXPECT_FALSE(d.pupil.enabled("Label6")); // offered by the first key
    d.pupil.type("sette");
    EXPECT_EQ(d.face(), "neutral");
    d.pupil.click("Label3"); // the chalk box waits for the check
    EXPECT_EQ(d.items(), "1");
    d.pupil.click("Label6");
    EXPECT_EQ(d.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    // Checking again needs a key first; even a swallowed one brings back the neutral face.
    EXPECT_FALSE(d.pupil.enabled("Label6"));
    d.pupil.type("x");
    EXPECT_EQ(d.face(), "neutral");
    d.pupil.click("Label6");
    EXPECT_EQ(d.face(), "smiling");
    EXPECT_EQ(d.right(), "1");

    // A wrong first check, even of a half-typed word, never counts.
    d.ask(upTo10(3));
    d.answer("TR");
    EXPECT_EQ(d.face(), "sad");
    EXPECT_EQ(d.pupil.services().beeps, 1);
    d.answer("E");
    EXPECT_EQ(d.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    EXPECT_EQ(d.items(), "2");
}

TEST(WriteInWords, UpTo10InColourOneToNineUpTo20ZeroToNineteenInTheDesignColours) {
    Drill d(8);
    d.ask(0.0);
    EXPECT_EQ(d.display().caption(), "1");
    EXPECT_EQ(d.display().backColor(), colours::White);
    EXPECT_EQ(d.display().foreColor(), colours::ButtonText);
    EXPECT_EQ(d.box().foreColor(), colours::ButtonText); // not black, unlike the neighbours
    d.answer("UNO");
    d.ask(upTo10(8));
    EXPECT_EQ(d.display().backColor(), 0x00000080u);
    EXPECT_EQ(d.box().backColor(), 0x00000080u);
    EXPECT_EQ(d.box().foreColor(), colours::White);

    Drill d20(31);
    EXPECT_EQ(d20.right(), "0");
    d20.ask(0.0);
    EXPECT_EQ(d20.display().caption(), "0");
    EXPECT_EQ(d20.display().backColor(), colours::Peach);
    d20.answer("ZERO");
    EXPECT_EQ(d20.right(), "1");
    d20.ask(0.9999);
    EXPECT_EQ(d20.display().caption(), "19");
    EXPECT_EQ(d20.box().backColor(), colours::Peach);
    d20.answer("diciannove");
    EXPECT_EQ(d20.right(), "2");
}

TEST(WriteInDigits, UpTo10EachDigitIsJudgedAndTheCountIsWrittenAtTheKey) {
    Drill d(9);
    EXPECT_EQ(d.face(), "none");
    d.ask(upTo10(3));
    EXPECT_EQ(d.display().caption(), "TRE");
    EXPECT_EQ(d.items(), "");
    EXPECT_FALSE(d.pupil.enabled("Label1"));
    d.pupil.type("c"); // swallowed, but gives the chalk box back and writes "SU"
    EXPECT_EQ(d.box().text(), "");
    EXPECT_TRUE(d.pupil.enabled("Label1"));
    EXPECT_EQ(d.items(), "1");
    d.pupil.type("4");
    EXPECT_EQ(d.face(), "sad");
    EXPECT_EQ(d.pupil.services().beeps, 1);
    d.pupil.pressKeypad(3);
    EXPECT_EQ(d.box().text(), "3");
    EXPECT_EQ(d.face(), "smiling");
    EXPECT_EQ(d.right(), "");

    d.ask(0.0);
    EXPECT_EQ(d.display().caption(), "UNO");
    EXPECT_EQ(d.display().foreColor(), colours::ButtonText);
    EXPECT_EQ(d.box().backColor(), colours::White);
    EXPECT_EQ(d.items(), "1"); // behind until the next key
    d.pupil.type("1\b");
    EXPECT_EQ(d.box().text(), "1");
    EXPECT_EQ(d.right(), "1");
    EXPECT_EQ(d.items(), "2");
}

TEST(WriteInDigits, UpTo20TwoDigitAnswersAreJudgedWhenComplete) {
    Drill d(32);
    d.ask(upTo20(15));
    EXPECT_EQ(d.display().caption(), "QUINDICI");
    EXPECT_EQ(d.display().backColor(), colours::Peach);
    d.pupil.type("1");
    EXPECT_EQ(d.face(), "neutral");
    d.pupil.type("5");
    EXPECT_EQ(d.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    d.ask(upTo20(12));
    d.pupil.type("21");
    EXPECT_EQ(d.face(), "sad");
    d.pupil.type("1"); // clears the wrong pair; a lone digit is no attempt
    EXPECT_EQ(d.box().text(), "1");
    EXPECT_EQ(d.face(), "sad");
    d.pupil.type("2");
    EXPECT_EQ(d.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    d.ask(0.0);
    EXPECT_EQ(d.display().caption(), "ZERO");
    d.pupil.type("0");
    EXPECT_EQ(d.right(), "2");
}

TEST(WordsDrills, TheRunStartsAgainAtItem99WithItsScoreAtZero) {
    for (const int window : {8, 9}) {
        SCOPED_TRACE(window);
        Drill d(window);
        for (int i = 1; i <= 98; ++i) {
            d.ask(upTo10(2));
            d.answer(d.words ? "DUE" : "2");
        }
        EXPECT_EQ(d.items(), "98");
        EXPECT_EQ(d.right(), "98");
        d.ask(upTo10(2));
        EXPECT_EQ(d.right(), "0");
        EXPECT_EQ(d.items(), d.words ? "1" : "98");
        d.answer(d.words ? "DUE" : "2");
        EXPECT_EQ(d.items(), "1");
        EXPECT_EQ(d.right(), "1");
    }
}

TEST(WordsDrills, LinksZeroTheScoreComingBackStartsAfreshAndTheSpongeEnds) {
    struct Way {
        int window, menu;
        const char *mainLink, *subLink, *entry, *exit, *rightStart;
    };
    const Way ways[] = {
        {8, 2, "Label14", "Label15", "Label6", "Label4", ""},
        {9, 2, "Label14", "Label15", "Label7", "Label2", ""},
        {31, 24, "Label41", "Label17", "Label10", "Label4", "0"},
        {32, 24, "Label41", "Label17", "Label11", "Label2", "0"},
    };
    for (const Way& way : ways) {
        for (const bool toMain : {true, false}) {
            SCOPED_TRACE(testing::Message() << way.window << (toMain ? " main" : " sub"));
            Drill d(way.window);
            d.ask(0.0);
            d.answer("1");
            d.pupil.click(toMain ? way.mainLink : way.subLink);
            ASSERT_EQ(d.pupil.current().number(), toMain ? 5 : way.menu);
            if (toMain)
                d.pupil.click(way.menu == 2 ? "Label1" : "Label2");
            d.pupil.click(way.entry);
            ASSERT_EQ(d.pupil.current().number(), way.window);
            EXPECT_EQ(d.items(), "");
            EXPECT_EQ(d.right(), way.rightStart);
            EXPECT_EQ(d.face(), "none");
            EXPECT_FALSE(d.pupil.enabled("Text1"));
            d.ask(0.0);
            d.answer("1");
            EXPECT_EQ(d.items(), "1");
            d.pupil.click(way.exit);
            EXPECT_EQ(d.pupil.services().ends, 1);
        }
    }
}

} // namespace
