#pragma once

#include "shell/colour_code.h"
#include "shell/exercise_frame.h"

namespace order {

// How a comparison window departs from the frame in its draw and its colours.
struct ComparisonRules {
    shell::Draw draw;
    // The values each number's chain tests; empty leaves the design's colours.
    shell::ColourChain colours;
    // At the wrap the count after "SU" and after "ESATTI:" go blank, rather than the
    // frame's "0" for the zeroed right answers.
    bool wrapBlanksScore = false;
};

// Two numbers side by side; one click on "<", "=" or ">" judges the item. "SU" is written
// by the relation clicks only.
class ComparisonDrill : public shell::ExerciseForm {
public:
    ComparisonDrill(platform::Program& program, int number, const platform::WindowDesign& design,
                    int subMenu, ComparisonRules rules);

protected:
    void Form_Load() override;
    void bindEvents() override;

private:
    enum class Relation { Less, Equal, Greater };
    void newItem();
    void related(const char* button, Relation relation);

    const ComparisonRules rules_;
    int leftNumber_ = 0;
    int rightNumber_ = 0;
};

// The design both windows share; each gives its own caption, boxes and places.
struct ComparisonLayout {
    QString caption;
    int clientHeight;
    int numbersWidth;
    int leftNumberLeft, rightNumberLeft;
    platform::Colour numbersFore;
    QString rightCountStart;
    int scoreWordLeft;
    int exitLeft;
    bool upTo20;
};
platform::WindowDesign comparisonDesign(const ComparisonLayout& layout);

} // namespace order
