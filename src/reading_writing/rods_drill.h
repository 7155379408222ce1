#pragma once

#include "shell/exercise_frame.h"

#include <vector>

namespace reading_writing {

// How a rods window departs from the other: its rods, its squares and when its digits
// are judged.
struct RodsRules {
    // The rod of each value drawn, by index; the ten-rod, when there is one, shows as well.
    std::vector<const char*> rods;
    const char* tenRod = nullptr;
    // The unit squares, in the order "AIUTO" shows them.
    std::vector<const char*> squares;
    // The answer is the drawn value plus this.
    int answerOffset = 0;
    // The digit key-up that writes "SU" and scores: the first, or the second (when a
    // two-digit answer first comes complete). Up to 20 a short text is no attempt.
    int scoringTry = 1;
    bool shortIsNoAttempt = false;
    // The digits box shows its judgement again when it gets the focus.
    bool digitsJudgedOnFocus = false;
    // A wrong word of full length beeps as soon as its key is released.
    bool beepAtFullWrongWord = false;
    // "AIUTO" waits for the first item before it can be clicked.
    bool helpNeedsItem = false;
};

// A coloured rod is shown; the pupil writes its value in digits (judged at each digit) and
// in words (judged by the check label), with two score blocks over one item count.
class RodsDrill : public shell::ExerciseForm {
public:
    RodsDrill(platform::Program& program, int number, const platform::WindowDesign& design,
              int subMenu, RodsRules rules);

protected:
    void Form_Load() override;
    void bindEvents() override;

private:
    shell::ScoreBlock& digits() { return score(0); }
    shell::ScoreBlock& words() { return score(1); }
    QString answer() const { return QString::number(currentNumber_ + rules_.answerOffset); }
    QString word() const { return shell::numberWord(currentNumber_ + rules_.answerOffset); }
    void hideRodsAndSquares();
    void newItem();
    void help();
    void digitKeyUp(int keyCode);
    void digitsFocused();
    void wordKeyPress(int& keyAscii);
    void wordKeyUp();
    void wordFocused();
    void check();

    const RodsRules rules_;
    int currentNumber_ = 0;
    bool drawnSinceLoad_ = false;
};

// Where the labels of a score block stand: its heading, "ESATTI:", the right count, "SU"
// and the item count.
struct ScoreBlockPlaces {
    QPoint heading, word, right, su, count;
};
// The board square or rod of a unit count: opaque, bordered, no caption.
platform::ControlDesign rodDesign(const QString& name, int left, int top, int width, int height,
                                  platform::Colour colour);
// The rods of 1 to 9 units, Label1 to Label9, all from one place.
std::vector<platform::ControlDesign> unitRods(int left, int top, int unit);
// The white unit squares in a row under the rods.
std::vector<platform::ControlDesign> unitSquares(const std::vector<const char*>& names,
                                                 const std::vector<int>& lefts, int unit);
// The rods wear the colours of their numbers, but for a lighter brown for 8.
platform::Colour rodColour(int units);
// Where each window puts what both have.
struct RodsLayout {
    QString caption;
    QString title;
    bool upTo20;
    int digitsLeft, digitsTab;
    QRect wordsBox;
    int wordsTab;
    int checkTop;
    QPoint faces;
    ScoreBlockPlaces digitsBlock, wordsBlock;
    QString rightCountStart;
    std::vector<platform::ControlDesign> rods, squares;
};
platform::WindowDesign rodsDesign(const RodsLayout& layout);

} // namespace reading_writing
