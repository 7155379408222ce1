#pragma once

#include "shell/colour_code.h"
#include "shell/exercise_frame.h"

namespace neighbours {

// How a previous-and-next drill departs from the frame in its draw and its colours.
struct PrevNextRules {
    shell::Draw draw;
    // The values each chain tests; an empty chain leaves the design's colours.
    shell::ColourChain shownColours;
    shell::ColourChain predColours;
    shell::ColourChain succColours;
};

// The window shows a number between two boxes: the pupil types the number before it on the
// left and the number after it on the right. The item, the filters and the score are
// common; each window judges its boxes in its own way.
class PrevNextDrill : public shell::ExerciseForm {
public:
    PrevNextDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                  int subMenu, PrevNextRules rules);

protected:
    // One answer box and its own attempt counters on the current item.
    struct Side {
        const char* box;
        int offset;             // the answer, from the shown number
        std::int16_t tries = 0; // what counts as a try is the window's own
        std::int16_t right = 0; // 1 once the box was found right at its counted try
    };
    enum class Holding { Right, FullLengthWrong, Short };

    void Form_Load() override;
    void bindEvents() override;

    virtual void keyUp(Side& side, int keyCode) = 0;
    virtual void clicked(Side& side) = 0;
    virtual void gotFocus(Side& side) = 0;

    platform::TextBox& boxOf(const Side& side) const { return textBox(side.box); }
    QString answerOf(const Side& side) const;
    Holding holding(const Side& side) const;
    bool isRight(const Side& side) const { return holding(side) == Holding::Right; }
    // This box was just found right: the item counts once both boxes were.
    void foundRight(Side& side);
    // Right shows the smiling face; anything else the sad face and a beep.
    void judgeTwoWay(const Side& side);
    // As above, but a box still short of its answer changes nothing.
    void judgeThreeWay(const Side& side);

    Side pred{"Text1", -1};
    Side succ{"Text2", +1};

private:
    void newItem();
    void keyPress(Side& side, int& keyAscii);

    const PrevNextRules rules_;
    int currentNumber_ = 0;
};

} // namespace neighbours
