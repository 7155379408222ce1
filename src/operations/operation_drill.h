#pragma once

#include "shell/exercise_frame.h"

#include <cstdint>

namespace operations {

// The draw of an addition: both numbers are drawn again until their sum is small enough.
struct AdditionDraw {
    shell::Draw first;
    shell::Draw second;
    int maxSum;
};

// The draw of a subtraction: only the second number is drawn again, until it is no greater
// than the first.
struct SubtractionDraw {
    shell::Draw first;
    shell::Draw second;
};

inline constexpr AdditionDraw kAdditionUpTo10{{.k = 10, .max = 9}, {.k = 10, .max = 9}, 9};
inline constexpr SubtractionDraw kSubtractionUpTo10{{.k = 10, .max = 9}, {.k = 10, .max = 9}};

// How an operation window departs from the frame.
struct OperationRules {
    enum class Kind { Addition, Subtraction, Mixed };
    Kind kind;
    AdditionDraw addition = kAdditionUpTo10;
    SubtractionDraw subtraction = kSubtractionUpTo10;
    // Counting rods drawn on the board as a help.
    bool rods = false;
    // Up to 20: a digit key-up on a text shorter than the answer is no attempt.
    bool wholeAnswer = false;
    // Where a wrong first try at an addition shows the wrong count (nowhere when null).
    const char* additionWrongCount = nullptr;
};

// The pupil computes an addition or a subtraction written with its numbers, in a column
// beside counting rods or in one row of large digits.
class OperationDrill : public shell::ExerciseForm {
public:
    OperationDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                   int subMenu, OperationRules rules);

protected:
    void Form_Load() override;
    void bindEvents() override;

private:
    enum Operation : std::int16_t { Subtraction = 1, Addition = 2 };
    struct Operands {
        int first = 0;
        int second = 0;
        int answer = 0;
    };

    void newItem();
    void drawAddition(Operands& item);
    void drawSubtraction(Operands& item);
    void drawRods(const Operands& item);
    void rod(int row, int fromUnit, int units, platform::BoxStyle style);
    void keyPress(int& keyAscii);
    void keyUp(int keyCode);
    const Operands& current() const { return operation_ == Addition ? addition_ : subtraction_; }
    QString answer() const { return QString::number(current().answer); }

    const OperationRules rules_;
    std::int16_t operation_ = 0;
    // The mixed window keeps one set of numbers per operation.
    Operands subtraction_;
    Operands addition_;
};

} // namespace operations
