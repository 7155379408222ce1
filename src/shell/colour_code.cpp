#include "shell/colour_code.h"

#include <algorithm>

namespace shell {

using namespace platform;

NumberColours numberColours(int value, PaintedOn on) {
    switch (value) {
    case 0:
        return {colours::ButtonFace, colours::White};
    case 1:
        return {colours::White, on == PaintedOn::Label ? colours::ButtonText : colours::Black};
    case 2:
        return {0x000000FF, colours::White}; // red
    case 3:
        return {0x0080FF80, colours::White}; // light green
    case 4:
        return {0x00FF80FF, colours::White}; // pink
    case 5:
        return {0x0000FFFF, colours::White}; // yellow
    case 6:
        return {0x00008000, colours::White}; // dark green
    case 7:
        return {0x00000000, colours::White}; // black
    case 8:
        return {0x00000080, colours::White}; // maroon
    default:
        return {0x00C00000, colours::White}; // 9, blue
    }
}

ColourChain chainOf(int from, int to) {
    ColourChain chain;
    for (int v = from; v <= to; ++v)
        chain.push_back(v);
    return chain;
}

namespace {
template <class Control>
void paint(Control& control, int value, const ColourChain& chain, PaintedOn on) {
    if (std::find(chain.begin(), chain.end(), value) == chain.end())
        return;
    const NumberColours c = numberColours(value, on);
    control.setBackColor(c.back);
    control.setForeColor(c.fore);
}
} // namespace

void paintNumber(Label& label, int value, const ColourChain& chain) {
    paint(label, value, chain, PaintedOn::Label);
}

void paintNumber(TextBox& box, int value, const ColourChain& chain) {
    paint(box, value, chain, PaintedOn::AnswerBox);
}

void paintNumberLikeLabel(TextBox& box, int value, const ColourChain& chain) {
    paint(box, value, chain, PaintedOn::Label);
}

} // namespace shell
