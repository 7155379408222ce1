#pragma once

#include "platform/design.h"
#include "shell/exercise_frame.h"

#include <vector>

namespace operations {

// The score line of the make-ten drills, placed by its "ESATTI:" word: the right count
// (Label12) after it, an empty label under that, then "SU" and the item count (Label22).
std::vector<platform::ControlDesign> scoreLine(int left, int top);

// What the two make-ten drills of the menu up to 20 share: a number of units 1 to 9 is given,
// and the pupil types in the one box how many complete the ten.
class MakeTenDrill : public shell::ExerciseForm {
protected:
    MakeTenDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                 shell::FrameNames names);

    void bindEvents() override;
    virtual void newItem() = 0;
    virtual void keyUp(int keyCode) = 0;

    QString answer() const { return QString::number(missingUnits_); }
    // One judged attempt at the box: the face, the beep and the first attempt's score.
    bool judgeAnswer();

    int currentNumber_ = 0; // the units given
    int missingUnits_ = 0;  // those that complete the ten
};

} // namespace operations
