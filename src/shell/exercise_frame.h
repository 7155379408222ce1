#pragma once

#include "platform/form.h"
#include "platform/program.h"

#include <climits>
#include <cstdint>
#include <vector>

namespace shell {

// A draw: Int(Rnd * k + offset), drawn again while the value lies outside [min, max].
struct Draw {
    int k;
    int offset = 0;
    int max = INT_MAX;
    int min = INT_MIN;
};

// The three faces lie on one spot; which one the pupil sees (None hides all three).
enum class Face { Neutral, Smiling, Sad, None };

// Whether a wrong answer beeps as well as showing the sad face.
enum class WrongBeep { Yes, No };

// Control names of the frame, the same in most drill windows.
struct FrameNames {
    const char* newItem = "Label9";
    const char* exit = "Label10";
    const char* mainMenu = "Label14";
    const char* subMenu = "Label15";
    const char* itemCount = "Label8";
    const char* neutralFace = "Image1";
    const char* smilingFace = "Image2";
    const char* sadFace = "Image3";
};

// The score of one answer of an item: a window with a digits answer and a words answer
// keeps one block for each, over the one item count.
struct ScoreBlock {
    const char* rightLabel; // where the right count is shown, after "ESATTI"
    std::int16_t right = 0; // items right at the first judged attempt
    std::int16_t wrong = 0; // items wrong at the first judged attempt
    std::int16_t tries = 0; // judged attempts on the current item
};

// The common frame of every drill window: the score, the faces and the beep, the key
// filters, the answer test, the menu links and the exit. A window states only how it
// departs from it.
class ExerciseForm : public platform::Form {
public:
    // What the pupil's score looks like, for checks that walk every window.
    const std::vector<ScoreBlock>& scoreBlocks() const { return blocks; }
    const FrameNames& frameNames() const { return names; }
    // A window that counts every right check, not only first attempts, lets "ESATTI" pass "SU".
    virtual bool rightMayPassItems() const { return false; }

protected:
    ExerciseForm(platform::Program& program, int number, const platform::WindowDesign& design,
                 int subMenu, FrameNames names = {},
                 std::vector<const char*> blockLabels = {"Label4"});

    // Binds the links and the exit; windows that bind more call this first.
    void bindEvents() override;

    // Counts a new item. When the count reaches the wrap, the run starts again with this item
    // as its first: every block is zeroed and its "ESATTI" shows "0" at once. "SU" is written
    // apart, by showItemCount, where the window writes it. Returns whether the run started
    // again.
    bool countItem(int wrapAt = 99);
    // Writes the item count after "SU" (in the frame's label unless another is named).
    void showItemCount(const char* label = nullptr);
    // The counters the links and the wrap zero; windows with more extend it. Attempt
    // counters are left to the new item.
    virtual void zeroScore();

    ScoreBlock& score(std::size_t block = 0) { return blocks[block]; }
    // Attempt counters stop at their upper limit: only the first attempts are ever read.
    static void countTry(std::int16_t& counter);
    static void countTry(ScoreBlock& block) { countTry(block.tries); }
    // Counts a right first attempt and shows it after "ESATTI".
    void countRight(ScoreBlock& block);
    void countRight() { countRight(score()); }
    static void countWrong(ScoreBlock& block) { ++block.wrong; }
    // One judged attempt at a block: the try is counted, the face shown (with the beep when
    // wrong) and the first attempt scored. Returns whether it was right.
    bool judge(ScoreBlock& block, bool right, WrongBeep beep = WrongBeep::Yes);

    void showFace(Face face);
    // The smiling face; the sad face and a beep.
    void judgedRight() { showFace(Face::Smiling); }
    void judgedWrong(WrongBeep beep = WrongBeep::Yes);
    // Shows how an answer stands without counting anything.
    void showJudgement(bool right, WrongBeep beep = WrongBeep::Yes) {
        right ? judgedRight() : judgedWrong(beep);
    }

    // Randomize: mixes the clock into the random sequence.
    void reseed() { program().randomize(); }
    // One guarded draw, without reseeding.
    int draw(const Draw& d);
    // Reseeds once, then draws.
    int drawNumber(const Draw& d);

    // The digits and Backspace pass; every other key is swallowed.
    static void digitFilter(int& keyAscii);
    // Which letters a word box lets through besides those of "UNO" to "VENTI".
    enum class AllowZ { Yes, No };
    // Backspace and the letters of the number words pass, folded to upper case; every other
    // key is swallowed.
    static void wordFilter(int& keyAscii, AllowZ z);
    // A box holding an answer of full length, judged on the text before the key lands: a
    // right one swallows every key, a wrong one is cleared and the key (if any) lands alone.
    // Digits and words alike: the length is the shown number's, the answer's or the word's.
    static void completeAnswerRule(platform::TextBox& box, int& keyAscii, const QString& answer,
                                   int length);
    static void completeAnswerRule(platform::TextBox& box, int& keyAscii, const QString& answer) {
        completeAnswerRule(box, keyAscii, answer, int(answer.length()));
    }
    // Right when the text has the given length and equals the answer, compared as text.
    static bool answerTest(const QString& text, const QString& answer, int length);
    static bool isDigitKey(int keyCode);
    static bool isMainRowDigitKey(int keyCode) { return keyCode >= 48 && keyCode <= 57; }

    const FrameNames names;
    std::int16_t itemCount = 0;
    std::vector<ScoreBlock> blocks;

private:
    int subMenu_;
};

// The one written form of each number 0 to 20, upper case without accents ("ZERO" to
// "VENTI"); empty outside that range.
QString numberWord(int value);

} // namespace shell
