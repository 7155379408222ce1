#pragma once

#include "shell/exercise_frame.h"

#include <vector>

namespace order {

// The look both number lines share: the white axis with its ticks, the boxes under the
// ticks, "CONFERMA", the score line, the faces, the links, the chalk box and the sponge.
struct NumberLineLayout {
    QString caption;
    int clientHeight;
    QString title;
    std::vector<platform::ControlDesign> boxes;  // first in the design
    std::vector<platform::ControlDesign> labels; // number labels over the ticks
    int ticks;                                   // one per number, 0 first
    int tickSpacing;
    int tickTop;
    int axisEnd;
    bool upTo20; // which menu the links name
    int rightCountLeft;
    QString rightCountStart; // the number after "ESATTI" before any check
};

platform::WindowDesign numberLineDesign(const NumberLineLayout& layout);

// A window where the pupil fills in the boxes of a number line and "CONFERMA" judges it.
class NumberLineForm : public shell::ExerciseForm {
public:
    static constexpr const char* kCheck = "Label14";
    static QString tickName(int k);

protected:
    NumberLineForm(platform::Program& program, int number, const platform::WindowDesign& design,
                   int subMenu, int boxes);

    virtual QString boxName(int k) const = 0;
    platform::TextBox& box(int k) const { return textBox(boxName(k)); }

    // Before the first item: no box out, nothing to check, no face.
    void Form_Load() override;
    // A new item is counted after "SU"; the neutral face comes back over whatever face was
    // shown, without hiding the others.
    void countNewItem();

    const int boxCount;
};

} // namespace order
