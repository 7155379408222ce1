#pragma once

#include "shell/exercise_frame.h"

namespace operations {

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
