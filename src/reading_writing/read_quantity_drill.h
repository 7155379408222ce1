#pragma once

#include "shell/colour_code.h"
#include "shell/exercise_frame.h"

#include <QPoint>
#include <vector>

namespace reading_writing {

// How a window that shows a quantity (unit squares, beads on an abacus) departs from the
// others in what it asks and how it judges the word.
struct ReadQuantityRules {
    // The quantity: its draw, and what is added to it to give the number asked for.
    shell::Draw draw;
    int numberOffset = 0;
    // The values the chain painting both answer boxes tests (none: the design's colours).
    shell::ColourChain boxColours;
    // The score labels shown at each new item, and those that already show before the first.
    std::vector<const char*> scoreLabels;
    std::vector<const char*> shownBeforeFirstItem;
    // Whether a word check turns the check label off until the next key in the words box.
    enum class AfterCheck { Off, StaysOn };
    AfterCheck afterCheck = AfterCheck::Off;
    shell::WrongBeep wrongWordBeeps = shell::WrongBeep::No;
    bool zPasses = true; // "ZERO" can be typed
};

// A quantity is shown; the pupil writes how many in digits, judged at every digit key, and
// in words, judged by the check label. One score block for each answer, over one item count.
class ReadQuantityDrill : public shell::ExerciseForm {
public:
    ReadQuantityDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                      int subMenu, shell::FrameNames names, ReadQuantityRules rules);

protected:
    void Form_Load() override;
    void bindEvents() override;

    // The pictures of the quantity: all hidden, then those of the drawn value shown.
    virtual void hideQuantity();
    virtual void showQuantity(int value);
    virtual void digitsKeyUp(int keyCode);

    shell::ScoreBlock& digits() { return score(0); }
    shell::ScoreBlock& words() { return score(1); }
    // The number asked for, in digits.
    QString digitsAnswer() const { return QString::number(number()); }
    bool digitsRight() const;

private:
    int number() const { return currentNumber_ + rules_.numberOffset; }
    void newItem();
    void digitsGotFocus();
    void wordsGotFocus();
    void wordsKeyPress(int& keyAscii);
    void check();

    const ReadQuantityRules rules_;
    int currentNumber_ = 0;
};

// The design pieces every quantity window places in its own spots.
namespace layout {

// Where the labels of one score block stand: the heading, "ESATTI:", the right count, the
// empty label under it, "SU" and the item count.
struct BlockPlaces {
    QPoint heading, esatti, right, under, su, item;
};

// Both score blocks, "NUMERI IN CIFRE" and "NUMERI IN LETTERE".
std::vector<platform::ControlDesign>
scoreBlocks(const BlockPlaces& digits, const BlockPlaces& words, const QString& wordRightStart);
platform::ControlDesign digitsBox(int left, int top, platform::Colour back, int tabIndex);
platform::ControlDesign wordsBox(int left, int top, int width, double points, int tabIndex);
platform::ControlDesign checkLabel(int left, int top);

// A brown rod or base of the abacus, and the letter under a rod.
platform::ControlDesign rod(const char* name, int x1, int y1, int x2, int y2);
platform::ControlDesign rodLabel(const char* name, int left, const char* caption);
// A bead on a rod: a circle of 495 twips.
platform::ControlDesign bead(const QString& name, int left, int top);
// The units rod of the abacus from its base up, with the base, its "u" and nine beads.
std::vector<platform::ControlDesign> unitsRod(int baseLeft);

// What the designs of the abacus windows differ in; the rest of them stands in
// abacusDesign.
struct AbacusLayout {
    int clientHeight;
    QString title;
    int baseLeft; // the base runs from here to the right of the units rod
    std::vector<platform::ControlDesign> tens; // the tens rod with its beads, where there is one
    int wordsLeft;
    int wordsWidth;
    double wordsPoints;
    QString newItemTip;
    std::vector<platform::ControlDesign> links; // the main menu's, then the menu's own
    // Tops of the score rows: "ESATTI:", the right counts, "SU", the item counts.
    int esattiTop, rightTop, suTop, digitsItemTop, wordsItemTop;
    std::vector<platform::ControlDesign> unwritten; // labels after the words block
};
platform::WindowDesign abacusDesign(const AbacusLayout& layout);

} // namespace layout

} // namespace reading_writing
