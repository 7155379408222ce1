#pragma once

#include "platform/controls.h"

#include <vector>

namespace shell {

// Every number 0 to 9 has the colour of its counting rod, so the pupil meets the same
// colour for the same number everywhere up to 10.
struct NumberColours {
    platform::Colour back;
    platform::Colour fore;
};

// Where the colours go: the dark text of 1 differs between labels and answer boxes.
enum class PaintedOn { Label, AnswerBox };

NumberColours numberColours(int value, PaintedOn on);

// A colour chain: the values it tests, in its order. A value it does not test leaves the
// control with the colours it had.
using ColourChain = std::vector<int>;
ColourChain chainOf(int from, int to); // from, from + 1, ..., to

void paintNumber(platform::Label& label, int value, const ColourChain& chain);
void paintNumber(platform::TextBox& box, int value, const ColourChain& chain);
// An answer box painted as a label is: 1 with the system button text.
void paintNumberLikeLabel(platform::TextBox& box, int value, const ColourChain& chain);

} // namespace shell
