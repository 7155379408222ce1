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

struct Window {
    int number;
    const char* newItem;
    const char* display;
};
const Window kInWords10{8, "Label3", "Label2"};
const Window kInWords20{31, "Label3", "Label2"};
const Window kInDigits10{9, "Label1", "Label4"};
const Window kInDigits20{32, "Label1", "Label4"};

struct Drill {
    explicit Drill(const Window& w) : window(w) { pupil.open(w.number); }
    // Asks for an item and clicks into the box.
    Drill& ask(double rnd) {
        pupil.script({rnd});
        pupil.click(window.newItem);
        pupil.clickInto("Text1");
        return *this;
    }
    QString shown() { return pupil.caption(window.display); }
    QString right() { return pupil.caption("Label12"); }
    QString items() { return pupil.caption("Label22"); }
    int beeps() { return pupil.services().beeps; }
    TextBox& box() { return pupil.current().textBox("Text1"); }
    Label& display() { return pupil.current().label(window.display); }

    Window window;
    Pupil pupil;
};

// ---- the word typed, judged by "CONFERMA IL NUMERO IN LETTERE"

TEST(WriteInWords, BeforeTheFirstItemNothingCanBeTypedOrChecked) {
    for (const Window& w : {kInWords10, kInWords20}) {
        Drill d(w);
        SCOPED_TRACE(w.number);
        EXPECT_EQ(d.pupil.face(), "none");
        EXPECT_FALSE(d.pupil.enabled("Text1"));
        EXPECT_FALSE(d.pupil.enabled("Label6"));
        EXPECT_EQ(d.pupil.caption("Label6"), "CONFERMA IL NUMERO IN LETTERE");
        EXPECT_EQ(d.items(), "");
        EXPECT_EQ(d.right(), w.number == 8 ? "" : "0");
        d.pupil.click("Label6");
        d.pupil.click("Text1");
        d.pupil.type("uno");
        EXPECT_EQ(d.box().text(), "");
        EXPECT_EQ(d.pupil.face(), "none");
    }
}

TEST(WriteInWords, ARightWordScoresAtTheFirstCheckOnly) {
    Drill d(kInWords10);
    d.ask(upTo10(7));
    EXPECT_EQ(d.shown(), "7");
    EXPECT_EQ(d.items(), "1");
    EXPECT_EQ(d.pupil.face(), "neutral");
    EXPECT_FALSE(d.pupil.enabled("Label6")); // offered by the first key
    d.pupil.type("sett");
    EXPECT_TRUE(d.pupil.enabled("Label6"));
    d.pupil.type("e");
    EXPECT_EQ(d.box().text(), "SETTE");
    EXPECT_EQ(d.pupil.face(), "neutral"); // words are judged only by the check
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    EXPECT_FALSE(d.pupil.enabled("Label6"));
    EXPECT_TRUE(d.pupil.enabled("Label3"));
    // Checking again needs a key first; the swallowed key brings back the neutral face.
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "smiling");
    d.pupil.type("x");
    EXPECT_EQ(d.pupil.face(), "neutral");
    EXPECT_EQ(d.box().text(), "SETTE");
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    EXPECT_EQ(d.beeps(), 0);
}

TEST(WriteInWords, AWrongFirstCheckNeverCounts) {
    Drill d(kInWords10);
    d.ask(upTo10(3));
    d.pupil.type("TR");
    d.pupil.click("Label6"); // a half-typed word is judged like any other text
    EXPECT_EQ(d.pupil.face(), "sad");
    EXPECT_EQ(d.beeps(), 1);
    d.pupil.type("E");
    EXPECT_EQ(d.pupil.face(), "neutral");
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "");
    // A Backspace in an empty box offers the check of nothing, which is wrong too.
    d.ask(upTo10(9));
    EXPECT_EQ(d.items(), "2");
    d.pupil.type("\b");
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "sad");
    EXPECT_EQ(d.beeps(), 2);
}

TEST(WriteInWords, TheChalkBoxWaitsForTheCheck) {
    Drill d(kInWords10);
    d.ask(upTo10(2));
    d.pupil.type("DUE");
    d.pupil.click("Label3");
    EXPECT_EQ(d.items(), "1");
    EXPECT_EQ(d.box().text(), "DUE");
    d.pupil.click("Label6");
    d.ask(upTo10(5));
    EXPECT_EQ(d.items(), "2");
    EXPECT_EQ(d.box().text(), "");
    EXPECT_EQ(d.pupil.face(), "neutral");
    EXPECT_FALSE(d.pupil.enabled("Label6"));
    // The box keeps the focus from item to item: no click needed.
    d.pupil.type("CINQUE");
    d.pupil.click("Label6");
    d.pupil.script({upTo10(6)});
    d.pupil.click("Label3");
    EXPECT_EQ(d.pupil.focusedBox(), "Text1");
    d.pupil.type("SEI");
    d.pupil.click("Label6");
    EXPECT_EQ(d.right(), "3");
    EXPECT_EQ(d.pupil.services().randomizeCalls, 3);
}

TEST(WriteInWords, UpTo10TheNumberAndTheBoxWearItsColour) {
    Drill d(kInWords10);
    d.ask(0.0);
    EXPECT_EQ(d.shown(), "1"); // 0 is never shown
    EXPECT_EQ(d.display().backColor(), colours::White);
    EXPECT_EQ(d.display().foreColor(), colours::ButtonText);
    EXPECT_EQ(d.box().backColor(), colours::White);
    EXPECT_EQ(d.box().foreColor(), colours::ButtonText);
    d.pupil.type("x");
    d.pupil.click("Label6");
    d.ask(upTo10(8));
    EXPECT_EQ(d.display().backColor(), 0x00000080u);
    EXPECT_EQ(d.box().backColor(), 0x00000080u);
    EXPECT_EQ(d.box().foreColor(), colours::White);
    d.pupil.type("x");
    d.pupil.click("Label6");
    d.ask(0.9999);
    EXPECT_EQ(d.shown(), "9");
    EXPECT_EQ(d.box().backColor(), 0x00C00000u);
}

TEST(WriteInWords, UpTo20ZeroToNineteenAreAskedInTheDesignColours) {
    Drill d(kInWords20);
    d.ask(0.0);
    EXPECT_EQ(d.shown(), "0");
    EXPECT_EQ(d.display().backColor(), colours::Peach);
    EXPECT_EQ(d.box().backColor(), colours::Peach);
    d.pupil.type("ZERO");
    d.pupil.click("Label6");
    EXPECT_EQ(d.right(), "1");
    d.ask(0.9999);
    EXPECT_EQ(d.shown(), "19");
    d.pupil.type("diciannove");
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "2");
    d.ask(upTo20(1));
    EXPECT_EQ(d.display().backColor(), colours::Peach);
    d.pupil.type("UNA");
    d.pupil.click("Label6");
    EXPECT_EQ(d.pupil.face(), "sad");
    EXPECT_EQ(d.right(), "2");
    EXPECT_EQ(d.items(), "3");
}

// ---- the digits typed, judged at each digit key

TEST(WriteInDigits, TheWordIsShownAndADigitIsJudgedAtOnce) {
    Drill d(kInDigits10);
    EXPECT_EQ(d.pupil.face(), "none");
    EXPECT_FALSE(d.pupil.enabled("Text1"));
    d.ask(upTo10(3));
    EXPECT_EQ(d.shown(), "TRE");
    EXPECT_EQ(d.pupil.face(), "neutral");
    EXPECT_EQ(d.items(), ""); // "SU" is written at the first key
    d.pupil.type("3");
    EXPECT_EQ(d.items(), "1");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    d.pupil.type("\b4");
    EXPECT_EQ(d.box().text(), "3");
    EXPECT_EQ(d.right(), "1");

    d.ask(upTo10(3));
    d.pupil.type("4");
    EXPECT_EQ(d.pupil.face(), "sad");
    EXPECT_EQ(d.beeps(), 1);
    d.pupil.type("3");
    EXPECT_EQ(d.box().text(), "3");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    EXPECT_EQ(d.items(), "2");
}

TEST(WriteInDigits, AnyKeyGivesTheChalkBoxBackAndWritesTheCount) {
    Drill d(kInDigits10);
    d.ask(upTo10(5));
    EXPECT_FALSE(d.pupil.enabled("Label1"));
    d.pupil.type("c");
    EXPECT_EQ(d.box().text(), "");
    EXPECT_EQ(d.pupil.face(), "neutral");
    EXPECT_TRUE(d.pupil.enabled("Label1"));
    EXPECT_EQ(d.items(), "1");
    d.ask(upTo10(5));
    EXPECT_EQ(d.items(), "1"); // behind until the next key
    d.pupil.pressKeypad(5);
    EXPECT_EQ(d.items(), "2");
    EXPECT_EQ(d.right(), "1");
}

TEST(WriteInDigits, UpTo10TheWordAndTheBoxWearItsColour) {
    Drill d(kInDigits10);
    EXPECT_EQ(d.box().backColor(), colours::WindowBackground);
    d.ask(0.0);
    EXPECT_EQ(d.shown(), "UNO");
    EXPECT_EQ(d.display().backColor(), colours::White);
    EXPECT_EQ(d.display().foreColor(), colours::ButtonText);
    EXPECT_EQ(d.box().foreColor(), colours::ButtonText);
    d.pupil.type("1");
    d.ask(upTo10(8));
    EXPECT_EQ(d.shown(), "OTTO");
    EXPECT_EQ(d.display().backColor(), 0x00000080u);
    EXPECT_EQ(d.box().backColor(), 0x00000080u);
    EXPECT_EQ(d.display().foreColor(), colours::White);
}

TEST(WriteInDigits, UpTo20TwoDigitAnswersAreJudgedWhenComplete) {
    Drill d(kInDigits20);
    EXPECT_EQ(d.right(), "0");
    d.ask(upTo20(15));
    EXPECT_EQ(d.shown(), "QUINDICI");
    EXPECT_EQ(d.box().backColor(), colours::Peach);
    d.pupil.type("1");
    EXPECT_EQ(d.pupil.face(), "neutral");
    d.pupil.type("5");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");

    d.ask(upTo20(12));
    d.pupil.type("21");
    EXPECT_EQ(d.pupil.face(), "sad");
    EXPECT_EQ(d.beeps(), 1);
    d.pupil.type("1"); // clears the wrong pair; a lone digit is no attempt
    EXPECT_EQ(d.box().text(), "1");
    EXPECT_EQ(d.pupil.face(), "sad");
    d.pupil.type("2");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");

    d.ask(0.0);
    EXPECT_EQ(d.shown(), "ZERO");
    EXPECT_EQ(d.display().backColor(), colours::Peach);
    d.pupil.type("1");
    EXPECT_EQ(d.pupil.face(), "sad"); // one digit is a whole answer to a one-digit number
    d.pupil.type("0");
    EXPECT_EQ(d.pupil.face(), "smiling");
    EXPECT_EQ(d.right(), "1");
    d.ask(0.9999);
    EXPECT_EQ(d.shown(), "DICIANNOVE");
    d.pupil.type("19");
    EXPECT_EQ(d.right(), "2");
    EXPECT_EQ(d.items(), "4");
}

// ---- all four

TEST(WordsDrills, TheRunStartsAgainAtItem99WithItsScoreAtZero) {
    for (const Window& w : {kInWords10, kInDigits10}) {
        SCOPED_TRACE(w.number);
        Drill d(w);
        const bool words = w.number == 8;
        for (int i = 1; i <= 98; ++i) {
            d.ask(upTo10(2));
            d.pupil.type(words ? "DUE" : "2");
            if (words)
                d.pupil.click("Label6");
        }
        EXPECT_EQ(d.items(), "98");
        EXPECT_EQ(d.right(), "98");
        d.ask(upTo10(2));
        EXPECT_EQ(d.right(), "0");
        // The words window writes "SU" at the new item, the digits window at the next key.
        EXPECT_EQ(d.items(), words ? "1" : "98");
        d.pupil.type(words ? "DUE" : "2");
        if (words)
            d.pupil.click("Label6");
        EXPECT_EQ(d.items(), "1");
        EXPECT_EQ(d.right(), "1");
    }
}

TEST(WordsDrills, LinksZeroTheScoreAndComingBackStartsAfresh) {
    struct Way {
        Window window;
        int menu;
        const char* mainLink;
        const char* subLink;
        const char* entry; // in the window's menu
        const char* rightStart;
    };
    const Way ways[] = {
        {kInWords10, 2, "Label14", "Label15", "Label6", ""},
        {kInDigits10, 2, "Label14", "Label15", "Label7", ""},
        {kInWords20, 24, "Label41", "Label17", "Label10", "0"},
        {kInDigits20, 24, "Label41", "Label17", "Label11", "0"},
    };
    for (const Way& way : ways) {
        for (const bool toMain : {true, false}) {
            SCOPED_TRACE(testing::Message() << way.window.number << (toMain ? " main" : " sub"));
            Drill d(way.window);
            d.ask(0.0);
            d.pupil.type(way.window.display == std::string("Label2") ? "a" : "1");
            d.pupil.click(toMain ? way.mainLink : way.subLink);
            ASSERT_EQ(d.pupil.loadedCount(), 1);
            ASSERT_EQ(d.pupil.current().number(), toMain ? 5 : way.menu);
            if (toMain)
                d.pupil.click(way.menu == 2 ? "Label1" : "Label2");
            d.pupil.click(way.entry);
            ASSERT_EQ(d.pupil.current().number(), way.window.number);
            EXPECT_EQ(d.items(), "");
            EXPECT_EQ(d.right(), way.rightStart);
            EXPECT_EQ(d.shown(), "");
            EXPECT_EQ(d.pupil.face(), "none");
            EXPECT_FALSE(d.pupil.enabled("Text1"));
            d.ask(0.0);
            d.pupil.type(way.window.display == std::string("Label2") ? "a" : "1");
            EXPECT_EQ(d.items(), "1");
        }
        Drill d(way.window);
        d.pupil.click(way.window.display == std::string("Label2") ? "Label4" : "Label2");
        EXPECT_EQ(d.pupil.services().ends, 1);
    }
}

} // namespace
