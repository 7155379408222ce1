#pragma once

#include "shell/colour_code.h"
#include "shell/exercise_frame.h"

#include <vector>

namespace neighbours {

// How a one-answer neighbour drill departs from the frame.
struct SingleAnswerRules {
    // The draw of the shown number.
    shell::Draw draw;
    // Each number display: its label, its value as an offset from the drawn number, and the
    // values its colour chain tests (none: the display keeps its design colours).
    struct Shown {
        const char* label;
        int offset;
        shell::ColourChain colours;
    };
    std::vector<Shown> shown;
    // The answer, as an offset from the drawn number, and the chain painting the answer box.
    int answerOffset;
    shell::ColourChain answerColours;
    // The length the full-answer rule and the judgement compare the box with.
    enum class LengthOf { ShownNumber, Answer };
    LengthOf filterLength;
    LengthOf judgedLength;
    // What gives the new-item spot back: any key pressed in the box, or a judged answer.
    enum class NewItemBack { OnKeyPress, OnJudgedAnswer };
    NewItemBack newItemBack = NewItemBack::OnKeyPress;
    // Up to 20, a digit key-up on a text shorter than the answer is no attempt.
    bool shortIsNoAttempt = false;
};

// The window types the number that stands in a fixed relation to the one shown.
class SingleAnswerDrill : public shell::ExerciseForm {
public:
    SingleAnswerDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                      int subMenu, SingleAnswerRules rules);

protected:
    void Form_Load() override;
    void bindEvents() override;

private:
    void newItem();
    void keyPress(int& keyAscii);
    void keyUp(int keyCode);
    QString answer() const;
    int lengthOf(SingleAnswerRules::LengthOf which) const;

    const SingleAnswerRules rules_;
    int currentNumber_ = 0;
};

} // namespace neighbours
