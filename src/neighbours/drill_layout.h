#pragma once

#include "platform/design.h"

#include <vector>

namespace neighbours {

// The layout every neighbour drill shares: big number boxes in a row, the score line, the
// faces, the links, the chalk box and the sponge. A window gives its own boxes and places.
struct DrillLayout {
    QString caption;
    int clientHeight = 8595;
    QString title;
    int titleHeight = 615;
    std::vector<platform::ControlDesign> answerBoxes; // first in the design, above all
    std::vector<platform::ControlDesign> displays;    // the shown numbers
    bool upTo20 = false;                              // which menu the links name
    QString rightCountStart;                          // "ESATTI" number before any answer
    int rightCountLeft = 3120;
    int newItemTop = 7800;
    int newItemHeight = 735;
};

platform::WindowDesign drillDesign(const DrillLayout& layout);

// The 90 pt peach boxes of the neighbour drills.
platform::ControlDesign bigNumber(const char* name, int left, platform::Colour fore);
platform::ControlDesign bigAnswer(const char* name, int left, platform::Colour fore, int tabIndex);

} // namespace neighbours
