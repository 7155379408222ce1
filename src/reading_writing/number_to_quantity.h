#pragma once

#include "platform/design.h"

#include <QPoint>
#include <vector>

// The design pieces of the windows that show a number in digits and in words and take its
// quantity from the mouse: unit squares clicked in, beads dragged onto the abacus.
namespace reading_writing::to_quantity {

// The peach boxes the number is shown in; nothing is typed into them.
platform::ControlDesign digitsLabel(const char* name, int left, int top);
platform::ControlDesign wordsLabel(int left, int top, int width);

// The one score line: "ESATTI:", the right count, "SU" and the item count.
struct ScorePlaces {
    QPoint esatti, right, su, item;
};
std::vector<platform::ControlDesign> scoreLine(const ScorePlaces& at, const QString& rightStart);

} // namespace reading_writing::to_quantity
